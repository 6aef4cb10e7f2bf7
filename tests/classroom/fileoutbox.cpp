#include "fileoutbox.h"

#include "trainer/model/setmodel.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

bool FileOutbox::write(const trainer::ExerciseRecord& e)
{
    QSaveFile file(m_folder + QLatin1Char('/') + e.id.toString(QUuid::WithoutBraces));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringList{e.faultId, e.faultStage, e.stageNamed, e.finished.toString(Qt::ISODateWithMs), e.partNamed,
                           e.right ? QStringLiteral("right") : QStringLiteral("wrong"), e.assignment}
                   .join(QLatin1Char('\n'))
                   .toUtf8());
    return file.commit();
}

std::vector<trainer::ExerciseRecord> FileOutbox::unsent()
{
    std::vector<trainer::ExerciseRecord> list;
    for (const QFileInfo& entry : QDir(m_folder).entryInfoList(QDir::Files, QDir::Time | QDir::Reversed)) {
        QFile file(entry.filePath());
        const QUuid id = QUuid::fromString(entry.fileName());
        if (id.isNull() || !file.open(QIODevice::ReadOnly))
            continue;
        const QStringList fields = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        trainer::ExerciseRecord e;
        e.id = id;
        e.faultId = fields.value(0);
        e.faultStage = fields.value(1);
        e.stageNamed = fields.value(2);
        e.finished = QDateTime::fromString(fields.value(3), Qt::ISODateWithMs);
        e.partNamed = fields.value(4);
        e.right = fields.value(5) == QLatin1String("right");
        e.assignment = fields.value(6);
        list.push_back(std::move(e));
    }
    return list;
}

void FileOutbox::markSent(const QUuid& exercise)
{
    QFile::remove(m_folder + QLatin1Char('/') + exercise.toString(QUuid::WithoutBraces));
}

trainer::ExerciseRecord sampleExercise(int number)
{
    trainer::ExerciseRecord e;
    e.id = QUuid::createUuid();
    e.finished = QDateTime::currentDateTimeUtc();
    // Faults of the catalogue, as the server checks an answer against it: two in three found.
    const std::span<const trainer::Fault> all = trainer::faults();
    const trainer::Fault& fault = all[size_t(number % 7) % all.size()];
    e.faultId = QString::fromUtf8(fault.id);
    e.faultStage = QString::fromUtf8(fault.stage);
    e.right = number % 3 != 0;
    e.stageNamed = e.right ? e.faultStage : trainer::stages().value(trainer::stages().indexOf(e.faultStage) + 1);
    e.partNamed = e.right ? QString::fromUtf8(fault.part) : QString();
    return e;
}
