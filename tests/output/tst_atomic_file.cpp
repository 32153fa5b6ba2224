#include "support/cases.h"
#include "unnamed_files.h"

#include "output/atomic_file.h"
#include "output/detail/temporary_name.h"
#include "output/file_target.h"
#include "runtime/runtime_error.h"

#include <QDir>
#include <QTemporaryDir>

#include <functional>
#include <optional>
#include <tuple>
#include <vector>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace volvenda;

namespace {

// The type and permissions of what path names, itself, not what a link points to.
mode_t modeOf(const QString &path)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode : 0;
}

// An access or default ACL as the kernel keeps it in an extended attribute:
// a version, then tag, permissions and id for each entry, in the order of
// their tags. Entries of no one by name have no id.
struct AclEntry
{
    quint16 tag;
    quint16 permissions;
    quint32 id = 0xffffffff;
};
enum AclTag : quint16 { Owner = 0x01, User = 0x02, Group = 0x04, NamedGroup = 0x08, Mask = 0x10, Other = 0x20 };

QByteArray acl(const QList<AclEntry> &entries)
{
    QByteArray bytes;
    const auto append = [&bytes](auto value) { bytes.append(reinterpret_cast<const char *>(&value), sizeof value); };
    append(quint32(2));
    for (const AclEntry &entry : entries) {
        append(entry.tag);
        append(entry.permissions);
        append(entry.id);
    }
    return bytes;
}

// The attribute's value, or a null array if the file has none.
QByteArray attribute(const QString &path, const char *name)
{
    QByteArray value(4096, '\0');
    const ssize_t size = ::getxattr(QFile::encodeName(path).constData(), name, value.data(), value.size());
    return size < 0 ? QByteArray() : value.left(size);
}

bool setAttribute(const QString &path, const char *name, const QByteArray &value)
{
    return ::setxattr(QFile::encodeName(path).constData(), name, value.constData(), value.size(), 0) == 0;
}

} // namespace

class AtomicFileTest final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
    }

    void refusesWhatIsNoRegularFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        const auto row = [](const char *what, const QString &name, const QString &reason) {
            QTest::newRow(what) << name << reason;
        };
        row("folder", "folder.png", "it is a folder");
        row("named pipe", "pipe.png", "it is a named pipe");
        row("link to a device", "null.png", "it is a symbolic link to a device");
        row("link to nothing", "dangling.png", "it is a symbolic link to a file that does not exist");
        row("loop of links", "loop.png", systemReason(ELOOP));
        row("missing folder", "missing/x.png", "its folder does not exist");
        row("file as a folder", "plain.png/x.png", systemReason(ENOTDIR));
        row("name too long", QString(252, u'n') + ".png", systemReason(ENAMETOOLONG));
        row("ends in a slash", "plain.png/", "the name ends in '/', as a folder's does");
    }

    void refusesWhatIsNoRegularFile()
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
        const mode_t type = modeOf(file(name));

        for (const auto &attempt : std::initializer_list<std::function<void()>> {
                 [&] { checkFileTarget(file(name)); }, [&] { writeFileAtomically(file(name), "picture"); }}) {
            const std::optional<RuntimeError> error = failureOf(attempt);
            QVERIFY(error);
            QCOMPARE(error->kind(), ErrorKind::FileRefused);
            QCOMPARE(error->errorText(), QStringLiteral("cannot write '%1': ").arg(file(name)) + reason);
        }
        // Not a file a program would ask about replacing.
        QVERIFY(!replacesAFile(file(name)));
        // Nothing was replaced, nothing was added.
        QCOMPARE(modeOf(file(name)), type);
        QCOMPARE(QDir(folder()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), before);
    }

    void writesWholeOrNothing_data()
    {
        // How the file system refuses unnamed files, if it does.
        QTest::addColumn<int>("refusal");
        QTest::newRow("through an unnamed file") << 0;
        QTest::newRow("through a named one, on NFS or FUSE") << EOPNOTSUPP;
        QTest::newRow("through a named one, on an old kernel") << EISDIR;
        QTest::newRow("through a named one, the flag not known") << EINVAL;
        QTest::newRow("through a named one, no such files here") << ENOENT;
    }
    void writesWholeOrNothing()
    {
        QFETCH(int, refusal);
        unnamedFilesRefusedWith = refusal;
        const auto restore = qScopeGuard([] { unnamedFilesRefusedWith = 0; });
        const QString path = file("picture.png");
        QVERIFY(!replacesAFile(path));
        writeFileAtomically(path, "first");
        QVERIFY(replacesAFile(path));
        QCOMPARE(contents(path), QByteArray("first"));
        const mode_t mask = ::umask(0);
        ::umask(mask);
        QCOMPARE(modeOf(path) & 07777U, 0666U & ~mask); // as any new file

        // A replaced file keeps its permissions.
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0640), 0);
        writeFileAtomically(path, [](QIODevice &device) {
            // First a piece the size of the writer's buffer, then many small ones.
            device.write(QByteArray(1 << 16, '#'));
            for (int i = 0; i < 100'000; ++i)
                device.write("0123456789");
            return true;
        });
        QCOMPARE(contents(path).size(), (1 << 16) + 1'000'000);
        QCOMPARE(modeOf(path) & 0777U, 0640U);

        // A writer that gives up leaves the file as it was.
        const std::optional<RuntimeError> gaveUp
            = failureOf([&] { writeFileAtomically(path, [](QIODevice &device) { return device.write("part") < 0; }); });
        QVERIFY(gaveUp && gaveUp->kind() == ErrorKind::FileWriteFailed);
        QCOMPARE(gaveUp->errorText(), QStringLiteral("cannot write '%1': the file would not be whole").arg(path));

        // Without a commit the file stays as it was, and nothing is left beside it.
        {
            AtomicFile abandoned(path);
            abandoned.device().write("half a pic");
        }
        QCOMPARE(contents(path).size(), (1 << 16) + 1'000'000);
        QCOMPARE(QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList {"picture.png"});

        // The temporary name must not grow past what the file system takes:
        // 32 bytes of the name, cut between characters ('é' is two), a dot and six more.
        const QString longest = file(QString(251, u'l') + ".png");
        writeFileAtomically(longest, "old");
        writeFileAtomically(longest, "new");
        QCOMPARE(contents(longest), QByteArray("new"));
        for (const auto &[name, kept] : {std::pair(QString("curve.png"), QString("curve.png.")),
                 std::pair(QString(40, u'l'), QString(32, u'l') + '.'),
                 std::pair("x" + QString(40, u'é'), "x" + QString(15, u'é') + '.')}) {
            const QByteArray temporary = temporaryNameFor(name.toUtf8());
            QVERIFY(temporary.startsWith(kept.toUtf8()) && temporary.size() == kept.toUtf8().size() + 6);
        }
    }

    void replacesTheFileALinkPointsTo()
    {
        QVERIFY(QDir(folder()).mkdir("real"));
        writeFileAtomically(file("real/target.png"), "old");
        QVERIFY(QFile::link("real/target.png", file("link.png")));
        QVERIFY(replacesAFile(file("link.png")));
        writeFileAtomically(file("link.png"), "new");
        QCOMPARE(modeOf(file("link.png")) & S_IFMT, mode_t(S_IFLNK));
        QCOMPARE(contents(file("real/target.png")), QByteArray("new"));
        QCOMPARE(QDir(file("real")).entryList(QDir::Files | QDir::Hidden), QStringList {"target.png"});
    }

    void keepsTheOwnerWhereItMay_data()
    {
        // The file's owner, group and mode, and its folder's mode; who
        // replaces it (uid, gid and the groups it is also in: 50, staff); the
        // owner and group it ends with, and why it is refused before any work.
        using Ids = QList<unsigned>;
        QTest::addColumn<Ids>("file");
        QTest::addColumn<Ids>("writer");
        QTest::addColumn<Ids>("after");
        QTest::addColumn<QString>("refusal");
        const Ids nobody {65534, 65534};
        QTest::newRow("root keeps both") << Ids {65534, 65534, 0600, 0777} << Ids {0, 0} << nobody << "";
        QTest::newRow("a member keeps the group")
            << Ids {0, 50, 0660, 0777} << Ids {65534, 65534, 50} << Ids {65534, 50} << "";
        QTest::newRow("anyone else makes it theirs") << Ids {0, 0, 0666, 0777} << nobody << nobody << "";
        QTest::newRow("an owner who may not read it, in a sticky folder")
            << Ids {65534, 65534, 0200, 01777} << nobody << nobody << "";
        QTest::newRow("one who may write but not read it")
            << Ids {0, 0, 0202, 0777} << nobody << Ids {0, 0}
            << "it carries attributes you may not read, which a new file would lose: user.xdg.origin.url";
        QTest::newRow("another's, in a sticky folder")
            << Ids {0, 0, 0666, 01777} << nobody << Ids {0, 0}
            << "its folder is sticky (as /tmp is) and the file belongs to someone else, who alone may replace it there";
    }

    void keepsTheOwnerWhereItMay()
    {
        QFETCH(QList<unsigned>, file);
        QFETCH(QList<unsigned>, writer);
        QFETCH(QList<unsigned>, after);
        QFETCH(QString, refusal);
        if (::geteuid() != 0)
            QSKIP("files of other owners need root to make");
        const QString name = this->file("shared.png");
        const QByteArray path = QFile::encodeName(name);
        QVERIFY(writeEarlier(name));
        QVERIFY(::chown(path, file[0], file[1]) == 0 && ::chmod(path, file[2]) == 0);
        if (!setAttribute(name, "user.xdg.origin.url", "https://example.org/a.png"))
            QSKIP("this file system keeps no user attributes");
        QCOMPARE(::chmod(QFile::encodeName(folder()).constData(), file[3]), 0);
        // Written by a process of the writer's identity: refused, if at all,
        // before any work, and for the reason given.
        const QString expected
            = refusal.isEmpty() ? QString() : QStringLiteral("cannot write '%1': %2").arg(name, refusal);
        const pid_t child = ::fork();
        if (child == 0) {
            const std::vector<gid_t> groups(writer.begin() + 2, writer.end());
            const bool became = ::setgroups(groups.size(), groups.data()) == 0 && ::setgid(writer[1]) == 0
                && ::setuid(writer[0]) == 0;
            QString begun;
            const std::optional<RuntimeError> error = failureOf([&] {
                AtomicFile replacement(name);
                begun = "once begun: ";
                replacement.device().write("new");
                replacement.commit();
            });
            const QString said = error ? begun + error->errorText() : QString();
            if (said != expected)
                qWarning("%s", qPrintable(said.isEmpty() ? QStringLiteral("written") : said));
            ::_exit(became && said == expected ? 0 : 1);
        }
        int status = -1;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QCOMPARE(status, 0);
        struct stat info = {};
        QCOMPARE(::stat(path, &info), 0);
        QCOMPARE((QList<unsigned> {info.st_uid, info.st_gid, info.st_mode & 0777U}), after << file[2]);
        QCOMPARE(contents(name), refusal.isEmpty() ? QByteArray("new") : QByteArray("an earlier picture"));
        QCOMPARE(attribute(name, "user.xdg.origin.url"), QByteArray("https://example.org/a.png"));
    }

    void keepsWhatTheFileCarried_data()
    {
        // The file's access ACL (none if empty), its folder's default ACL,
        // and how the file system refuses unnamed files.
        QTest::addColumn<QByteArray>("access");
        QTest::addColumn<QByteArray>("folderDefault");
        QTest::addColumn<int>("refusal");
        const QByteArray readers = acl({{Owner, 7}, {User, 7, 65534}, {Group, 5}, {Mask, 7}, {Other, 4}});
        const QList<std::tuple<const char *, QByteArray, QByteArray>> shapes = {
            {"no ACL, in a folder whose default gives one", {}, readers},
            {"a named user, a mask wider than the group",
                acl({{Owner, 6}, {User, 6, 65534}, {Group, 4}, {Mask, 6}, {Other, 0}}), {}},
            {"a named group, a narrow mask",
                acl({{Owner, 6}, {Group, 4}, {NamedGroup, 4, 65534}, {Mask, 4}, {Other, 0}}), readers},
            {"both, a wide mask",
                acl({{Owner, 7}, {User, 5, 65534}, {Group, 0}, {NamedGroup, 7, 50}, {Mask, 7}, {Other, 1}}), {}},
        };
        for (const auto &[shape, access, folderDefault] : shapes) {
            QTest::addRow("%s, through an unnamed file", shape) << access << folderDefault << 0;
            QTest::addRow("%s, through a named one", shape) << access << folderDefault << EOPNOTSUPP;
        }
    }
    void keepsWhatTheFileCarried()
    {
        QFETCH(QByteArray, access);
        QFETCH(QByteArray, folderDefault);
        QFETCH(int, refusal);
        unnamedFilesRefusedWith = refusal;
        const auto restore = qScopeGuard([] { unnamedFilesRefusedWith = 0; });
        const QString path = file("shared.png");
        writeFileAtomically(path, "old");
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0640), 0);
        if (!setAttribute(path, "user.xdg.origin.url", "https://example.org/a.png"))
            QSKIP("this file system keeps no user attributes");
        QVERIFY(setAttribute(path, "user.binary", QByteArray("\0\1\xff", 3)));
        QVERIFY(setAttribute(path, "user.empty", QByteArray()));
        if (!access.isEmpty() && !setAttribute(path, "system.posix_acl_access", access))
            QSKIP("this file system keeps no ACLs");
        if (!folderDefault.isEmpty())
            QVERIFY(setAttribute(folder(), "system.posix_acl_default", folderDefault));
        const mode_t mode = modeOf(path);

        writeFileAtomically(path, "new");
        QCOMPARE(contents(path), QByteArray("new"));
        QCOMPARE(attribute(path, "system.posix_acl_access"), access);
        // The group's bits are the mask: neither the group nor the named wider.
        QCOMPARE(modeOf(path), mode);
        QCOMPARE(attribute(path, "user.xdg.origin.url"), QByteArray("https://example.org/a.png"));
        QCOMPARE(attribute(path, "user.binary"), QByteArray("\0\1\xff", 3));
        QCOMPARE(::getxattr(QFile::encodeName(path).constData(), "user.empty", nullptr, 0), 0);
    }

private:
    QString file(const QString &name) const { return m_dir->filePath(name); }
    QString folder() const { return m_dir->path(); }
    std::optional<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(AtomicFileTest)
#include "tst_atomic_file.moc"
