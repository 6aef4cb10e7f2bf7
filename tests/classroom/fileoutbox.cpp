#include "fileoutbox.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

bool FileOutbox::write(const trainer::ExerciseRecord& e)
{
    QSaveFile file(m_folder + QLatin1Char('/') + e.id.toString(QUuid::WithoutBraces));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringList{e.faultId, e.faultStage, e.stageNamed, e.finished.toString(Qt::ISODateWithMs)}
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
        e.right = e.stageNamed == e.faultStage;
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
    e.faultId = QStringLiteral("fault%1").arg(number % 7);
    e.faultStage = QStringLiteral("sync");
    e.stageNamed = number % 3 ? QStringLiteral("sync") : QStringLiteral("power");
    e.right = e.stageNamed == e.faultStage;
    return e;
}
