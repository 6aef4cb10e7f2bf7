// The program's layers, read from the #include lines of its source tree: the runtime names nothing above it,
// no screen names the start-up folder, and no file includes itself through a circle of others.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <functional>

namespace {

using Graph = QMap<QString, QStringList>; // a file (from the source root) -> the files it includes

const QStringList kFeatures{"diagnosis", "diagrams", "calculators", "trainer"};

QString folderOf(const QString& file)
{
    const qsizetype slash = file.indexOf(u'/');
    return slash < 0 ? QString() : file.left(slash);
}

// An include that points up: the runtime may name only the runtime, a feature anything but the start-up.
QStringList upwardIncludes(const Graph& graph)
{
    QStringList found;
    for (auto it = graph.cbegin(); it != graph.cend(); ++it) {
        const QString from = folderOf(it.key());
        for (const QString& to : it.value()) {
            const QString toFolder = folderOf(to);
            const bool up = (from == QLatin1String("runtime") && toFolder != from) ||
                            (kFeatures.contains(from) && toFolder == QLatin1String("app"));
            if (up)
                found << it.key() + QLatin1String(" -> ") + to;
        }
    }
    return found;
}

// Every circle of includes, each named by the files on it ("a.h -> b.h -> a.h").
QStringList circles(const Graph& graph)
{
    QStringList found;
    QSet<QString> done;
    QStringList path;
    const std::function<void(const QString&)> visit = [&](const QString& file) {
        if (const qsizetype at = path.indexOf(file); at >= 0) {
            found << (path.mid(at) << file).join(QLatin1String(" -> "));
            return;
        }
        if (done.contains(file))
            return;
        path << file;
        for (const QString& to : graph.value(file))
            visit(to);
        path.removeLast();
        done.insert(file);
    };
    for (auto it = graph.cbegin(); it != graph.cend(); ++it)
        visit(it.key());
    return found;
}

// The program's own files and the project files each includes (those written "folder/file.h").
Graph sourceTree(const QString& root)
{
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*\"([^\"]+)\""),
                                            QRegularExpression::MultilineOption);
    Graph graph;
    const QDir dir(root);
    QStringList files{QStringLiteral("main.cpp")};
    for (const QString& folder : kFeatures + QStringList{"runtime", "app"}) {
        QDirIterator it(dir.filePath(folder), {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << dir.relativeFilePath(it.next());
    }
    for (const QString& file : files) {
        QFile f(dir.filePath(file));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        QStringList includes;
        for (const QRegularExpressionMatch& m : include.globalMatch(QString::fromUtf8(f.readAll())))
            if (QFile::exists(dir.filePath(m.captured(1))))
                includes << m.captured(1);
        graph.insert(file, includes);
    }
    return graph;
}

} // namespace

class tst_layers : public QObject
{
    Q_OBJECT
private slots:
    void rules_data();
    void rules();
};

void tst_layers::rules_data()
{
    QTest::addColumn<Graph>("graph");
    QTest::addColumn<QStringList>("upward");
    QTest::addColumn<QStringList>("circular");

    const Graph tree = sourceTree(QStringLiteral(FW_SOURCE_DIR));
    QVERIFY2(tree.size() > 100 && tree.contains("runtime/screen.h") && tree.contains("app/frmOne.cpp"),
             "the source tree was not found");
    QTest::newRow("the program") << tree << QStringList() << QStringList();

    // The check itself, on small made-up trees, so that a check that finds nothing has looked.
    QTest::newRow("runtime naming a feature and the start-up")
        << Graph{{"runtime/notes.cpp", {"runtime/notes.h", "diagrams/areanotes.h"}},
                 {"runtime/screen.cpp", {"app/placement.h"}}}
        << QStringList{"runtime/notes.cpp -> diagrams/areanotes.h", "runtime/screen.cpp -> app/placement.h"}
        << QStringList();
    QTest::newRow("a screen naming the main menu, another screen beside it")
        << Graph{{"diagrams/frmHelp.cpp", {"app/frmOne.h", "diagnosis/frmDead.h"}}}
        << QStringList{"diagrams/frmHelp.cpp -> app/frmOne.h"} << QStringList();
    QTest::newRow("two headers naming each other")
        << Graph{{"calculators/a.h", {"calculators/b.h"}}, {"calculators/b.h", {"calculators/a.h"}}}
        << QStringList() << QStringList{"calculators/a.h -> calculators/b.h -> calculators/a.h"};
    QTest::newRow("a circle through three, a diamond beside it")
        << Graph{{"trainer/a.h", {"trainer/b.h", "runtime/d.h"}},
                 {"trainer/b.h", {"trainer/c.h", "runtime/d.h"}},
                 {"trainer/c.h", {"trainer/a.h"}},
                 {"runtime/d.h", {}}}
        << QStringList() << QStringList{"trainer/a.h -> trainer/b.h -> trainer/c.h -> trainer/a.h"};
}

void tst_layers::rules()
{
    QFETCH(Graph, graph);
    QFETCH(QStringList, upward);
    QFETCH(QStringList, circular);
    // Named in full when they differ, so that a failure says which includes to look at.
    const QStringList up = upwardIncludes(graph);
    QVERIFY2(up == upward, qPrintable(QLatin1String("pointing up: ") + up.join(QLatin1String("; "))));
    const QStringList round = circles(graph);
    QVERIFY2(round == circular, qPrintable(QLatin1String("circles: ") + round.join(QLatin1String("; "))));
}

QTEST_GUILESS_MAIN(tst_layers)
#include "tst_layers.moc"
