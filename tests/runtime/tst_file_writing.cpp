#include "runtime/file_writing.h"
#include "runtime/printable.h"
#include "runtime/runtime_error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <functional>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

using namespace volvenda;

namespace {

std::optional<RuntimeError> failureOf(const std::function<void()> &work)
{
    try {
        work();
    } catch (const RuntimeError &error) {
        return error;
    }
    return std::nullopt;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

mode_t modeOf(const QString &path)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode : 0;
}

mode_t typeOf(const QString &path)
{
    return modeOf(path) & S_IFMT;
}

} // namespace

class FileWritingTest final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
    }

    void refusesWhatIsNoRegularFile_data();
    void refusesWhatIsNoRegularFile();
    void writesWholeOrNothing();
    void replacesTheFileALinkPointsTo();
    void temporaryNamesStayShort_data();
    void temporaryNamesStayShort();
    void escapesWhatATerminalActsOn_data();
    void escapesWhatATerminalActsOn();

private:
    QString file(const QString &name) const { return m_dir->filePath(name); }
    QString folder() const { return m_dir->path(); }
    std::optional<QTemporaryDir> m_dir;
};

void FileWritingTest::refusesWhatIsNoRegularFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    const auto row
        = [](const char *what, const QString &name, const QString &reason) { QTest::newRow(what) << name << reason; };
    const auto system = [](int error) { return QString::fromLocal8Bit(std::strerror(error)); };
    row("folder", "folder.png", "it is a folder");
    row("named pipe", "pipe.png", "it is a named pipe");
    row("link to a device", "null.png", "it is a symbolic link to a device");
    row("link to nothing", "dangling.png", "it is a symbolic link to a file that does not exist");
    row("loop of links", "loop.png", system(ELOOP));
    row("missing folder", "missing/x.png", "its folder does not exist");
    row("file as a folder", "plain.png/x.png", system(ENOTDIR));
    row("name too long", QString(252, u'n') + ".png", system(ENAMETOOLONG));
    row("ends in a slash", "plain.png/", "the name ends in '/', as a folder's does");
}

void FileWritingTest::refusesWhatIsNoRegularFile()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QVERIFY(QDir(folder()).mkdir("folder.png"));
    QCOMPARE(::mkfifo(QFile::encodeName(file("pipe.png")).constData(), 0600), 0);
    QVERIFY(QFile::link("/dev/null", file("null.png")));
    QVERIFY(QFile::link(file("nowhere.png"), file("dangling.png")));
    QVERIFY(QFile::link(file("loop.png"), file("loop.png")));
    QVERIFY(QFile(file("plain.png")).open(QIODevice::WriteOnly));
    const QStringList before = QDir(folder()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    const mode_t type = typeOf(file(name));

    for (const auto &attempt : std::initializer_list<std::function<void()>> {
             [&] { checkFileTarget(file(name)); }, [&] { writeFileAtomically(file(name), "picture"); }}) {
        const std::optional<RuntimeError> error = failureOf(attempt);
        QVERIFY(error);
        QCOMPARE(error->kind(), ErrorKind::FileRefused);
        QCOMPARE(error->errorText(), QStringLiteral("cannot write '%1': ").arg(file(name)) + reason);
    }
    // Nothing was replaced, nothing was added.
    QCOMPARE(typeOf(file(name)), type);
    QCOMPARE(QDir(folder()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), before);
}

void FileWritingTest::writesWholeOrNothing()
{
    const QString path = file("picture.png");
    writeFileAtomically(path, "first");
    QCOMPARE(contents(path), QByteArray("first"));

    // A replaced file keeps its permissions.
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    writeFileAtomically(path, [](QIODevice &device) {
        for (int i = 0; i < 100'000; ++i)
            device.write("0123456789");
    });
    QCOMPARE(contents(path).size(), 1'000'000);
    QCOMPARE(modeOf(path) & 0777U, 0640U);

    // Without a commit the file stays as it was, and nothing is left beside it.
    {
        AtomicFile abandoned(path);
        abandoned.device().write("half a pic");
    }
    QCOMPARE(contents(path).size(), 1'000'000);
    QCOMPARE(
        QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList {"picture.png"});

    // The temporary name must not grow past what the file system takes.
    const QString longest = file(QString(251, u'l') + ".png");
    writeFileAtomically(longest, "old");
    writeFileAtomically(longest, "new");
    QCOMPARE(contents(longest), QByteArray("new"));
}

void FileWritingTest::replacesTheFileALinkPointsTo()
{
    QVERIFY(QDir(folder()).mkdir("real"));
    writeFileAtomically(file("real/target.png"), "old");
    QVERIFY(QFile::link("real/target.png", file("link.png")));
    writeFileAtomically(file("link.png"), "new");
    QCOMPARE(typeOf(file("link.png")), mode_t(S_IFLNK));
    QCOMPARE(contents(file("real/target.png")), QByteArray("new"));
    QCOMPARE(QDir(file("real")).entryList(QDir::Files | QDir::Hidden), QStringList {"target.png"});
}

void FileWritingTest::temporaryNamesStayShort_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("kept");
    QTest::newRow("short") << QByteArray("curve.png") << QByteArray("curve.png");
    QTest::newRow("longest") << QByteArray(251, 'l') + ".png" << QByteArray(32, 'l');
    // 'é' is two bytes: a cut at 32 bytes would split the sixteenth.
    QTest::newRow("cut between characters") << "x" + QString(40, u'é').toUtf8() << "x" + QString(15, u'é').toUtf8();
}

void FileWritingTest::temporaryNamesStayShort()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, kept);
    const QByteArray temporary = temporaryNameFor(name);
    QCOMPARE(temporary.left(temporary.size() - 7), kept);
    QCOMPARE(temporary.at(kept.size()), '.');
    QVERIFY(isUtf8(temporary));
}

void FileWritingTest::escapesWhatATerminalActsOn_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char *what, const QByteArray &bytes, const char *shown) {
        QTest::newRow(what) << bytes << QString::fromUtf8(shown);
    };
    row("plain text", "curve 1.png", "curve 1.png");
    row("escape sequence", "\x1b[2J", "\\x1b[2J");
    row("newline, tab, return", "a\nb\tc\r", "a\\nb\\tc\\r");
    row("backslash", "a\\x41", "a\\\\x41");
    row("not UTF-8", "\xff.png", "\\xff.png");
    row("truncated sequence", "\xc3", "\\xc3");
    row("overlong slash", "\xc0\xaf", "\\xc0\\xaf");
    row("letters of other scripts", "é漢😀", "é漢😀");
    row("C1 control", "\xc2\x9b", "\\u009b");
    row("embedding and override marks", "a\u202a\u202eb", "a\\u202a\\u202eb");
}

void FileWritingTest::escapesWhatATerminalActsOn()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QCOMPARE(printable(bytes), shown);
    if (isUtf8(bytes))
        QCOMPARE(printable(QString::fromUtf8(bytes)), shown);
}

QTEST_GUILESS_MAIN(FileWritingTest)
#include "tst_file_writing.moc"
