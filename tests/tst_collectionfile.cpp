// SPDX-License-Identifier: GPL-3.0-or-later
#include "collection/CollectionFile.h"
#include "support/Files.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <future>
#include <new>
#include <sys/acl.h>
#include <sys/mman.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using numislot::collection::Ownership;
namespace collection = numislot::collection;

namespace {

// The ownership as a 128-character '1'/'0' string, so a failure shows which slots differ.
QByteArray pattern(const Ownership& ownership)
{
    QByteArray out(128, '0');
    for (int i = 0; i < 128; ++i)
        out[i] = ownership[i] ? '1' : '0';
    return out;
}

Ownership fromPattern(QByteArrayView text)
{
    Ownership ownership {};
    for (int i = 0; i < 128; ++i)
        ownership[i] = text[i] == '1';
    return ownership;
}

QByteArray repeated(QByteArrayView unit, int length)
{
    QByteArray out;
    while (out.size() < length)
        out.append(unit);
    out.truncate(length);
    return out;
}

bool writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// A buffer that takes the first `limit` bytes and fails every write after them.
class FailDevice : public QBuffer
{
public:
    explicit FailDevice(qint64 limit)
        : m_limit(limit)
    {
    }

protected:
    qint64 writeData(const char* data, qint64 length) override
    {
        const qint64 room = m_limit - pos();
        if (room <= 0)
            return -1;
        return QBuffer::writeData(data, std::min(room, length));
    }

private:
    qint64 m_limit;
};

// A tmpfs mounted for one test and always unmounted, also when the test fails half-way.
class ScratchMount
{
public:
    ScratchMount(const QString& where, const char* options)
        : m_where(QFile::encodeName(where))
    {
        m_mounted = ::mount("numislot-test", m_where.constData(), "tmpfs", 0, options) == 0;
    }
    ~ScratchMount()
    {
        if (m_mounted)
            ::umount2(m_where.constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }

private:
    QByteArray m_where;
    bool m_mounted = false;
};

// Runs `body` in a child process that is an ordinary user when the test runs as root (root opens and
// creates files whatever their modes). The child's exit status, or -1 when it could not run as asked.
int statusAsOrdinaryUser(const QString& dir, const std::function<int()>& body)
{
    const bool root = ::geteuid() == 0;
    if (root && ::chmod(QFile::encodeName(dir).constData(), 0755) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        if (root && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(100);
        ::_exit(body());
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 100)
        return -1;
    return WEXITSTATUS(status);
}

// The ACL as text, so a failure shows what differs.
QByteArray aclText(const QByteArray& file)
{
    acl_t acl = ::acl_get_file(file.constData(), ACL_TYPE_ACCESS);
    if (!acl)
        return "<none>";
    char* text = ::acl_to_text(acl, nullptr);
    const QByteArray out(text ? text : "<none>");
    ::acl_free(text);
    ::acl_free(acl);
    return out;
}

// Sets an ACL given as text; errno tells why one was refused.
int setAcl(const QByteArray& path, acl_type_t type, const char* text)
{
    acl_t acl = ::acl_from_text(text);
    if (!acl)
        return -1;
    const int result = ::acl_set_file(path.constData(), type, acl);
    const int error = errno;
    ::acl_free(acl);
    errno = error;
    return result;
}

const QByteArray oldContent = repeated("10", 128);
const QByteArray newContent = repeated("0111", 128);

} // namespace

class TestCollectionFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void readContents_data();
    void readContents();
    void extraBytesIgnored();
    void severalMegabytes();
    void hugeSparseFile();

    void roundTrip_data();
    void roundTrip();
    void saveMakesANewFile();
    void saveKeepsWhatTheFileHad();
    void saveDropsTheDirectoryDefaultAcl();

    void notRegularFile_data();
    void notRegularFile();
    void fifoDoesNotBlock();
    void permissions_data();
    void permissions();

    void saveFailure_data();
    void saveFailure();
    void saveIntoReadOnlyDirectory();
    void saveOntoFullFileSystem();
    void failingDevice_data();
    void failingDevice();
    void flushFailureOnDevice();
    void killedDuringSaves();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString& name) const { return m_dir->filePath(name); }
};

void TestCollectionFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestCollectionFile::readContents_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("owned");

    const QByteArray none(128, '0');
    QTest::newRow("all ones") << QByteArray(128, '1') << QByteArray(128, '1');
    QTest::newRow("all zeros") << none << none;
    QTest::newRow("other bytes never own") << repeated(QByteArrayView("2Y\0\xFF", 4), 128) << none;
    QTest::newRow("ones among other bytes") << repeated(QByteArrayView("1\0Y1\xFF"
                                                                       "2",
                                                            6),
        128) << repeated("100100", 128);
    QTest::newRow("ten bytes ending in one")
        << QByteArray("1010101011") << QByteArray("1010101011") + QByteArray(118, '0');
    QTest::newRow("ten bytes ending in zero")
        << QByteArray("1111111110") << QByteArray("1111111110") + QByteArray(118, '0');
    QTest::newRow("one byte") << QByteArray("1") << QByteArray("1") + QByteArray(127, '0');
    QTest::newRow("127 ones") << QByteArray(127, '1') << QByteArray(127, '1') + '0';
    QTest::newRow("empty") << QByteArray() << none;
    QTest::newRow("slot order, Slovenie last")
        << QByteArray(120, '0') + QByteArray(8, '1') << QByteArray(120, '0') + QByteArray(8, '1');
}

void TestCollectionFile::readContents()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, owned);

    QCOMPARE(pattern(collection::decodeCollection(bytes)), owned);

    QVERIFY(writeRaw(path(u"c.eur"_s), bytes));
    const auto fromFile = collection::readCollectionFile(path(u"c.eur"_s));
    QVERIFY(fromFile.has_value());
    QCOMPARE(pattern(*fromFile), owned);

    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QCOMPARE(pattern(collection::readCollection(buffer)), owned);
}

void TestCollectionFile::extraBytesIgnored()
{
    // 200 bytes: the 72 after the 128th must change nothing, even when they are all '1'.
    const QByteArray first = repeated("0110", 128);
    QVERIFY(writeRaw(path(u"c.eur"_s), first + QByteArray(72, '1')));
    const auto read = collection::readCollectionFile(path(u"c.eur"_s));
    QVERIFY(read.has_value());
    QCOMPARE(pattern(*read), first);
    QCOMPARE(pattern(collection::decodeCollection(QByteArray(128, '0') + QByteArray(72, '1'))), QByteArray(128, '0'));
}

void TestCollectionFile::severalMegabytes()
{
    const QByteArray first = repeated("1100", 128);
    QVERIFY(writeRaw(path(u"big.eur"_s), first + QByteArray(8 * 1024 * 1024, '1')));
    const auto read = collection::readCollectionFile(path(u"big.eur"_s));
    QVERIFY(read.has_value());
    QCOMPARE(pattern(*read), first);
}

void TestCollectionFile::hugeSparseFile()
{
    // 64 GiB of holes: a reader that takes the whole file would run out of memory or time.
    QFile file(path(u"huge.eur"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(QByteArray(128, '1')) == 128);
    if (!file.resize(qint64(64) << 30))
        QSKIP("this file system does not take a 64 GiB sparse file");
    file.close();
    const auto read = collection::readCollectionFile(file.fileName());
    QVERIFY(read.has_value());
    QCOMPARE(pattern(*read), QByteArray(128, '1'));
}

void TestCollectionFile::roundTrip_data()
{
    QTest::addColumn<QByteArray>("owned");
    QTest::newRow("empty collection") << QByteArray(128, '0');
    QTest::newRow("complete collection") << QByteArray(128, '1');
    QTest::newRow("alternating") << repeated("10", 128);
    QTest::newRow("first and last slot") << QByteArray("1") + QByteArray(126, '0') + '1';
    QTest::newRow("Vatican and Monaco") << QByteArray(104, '0') + QByteArray(16, '1') + QByteArray(8, '0');
}

void TestCollectionFile::roundTrip()
{
    QFETCH(QByteArray, owned);
    const QString file = path(u"round.eur"_s);
    QVERIFY(collection::writeCollectionFile(file, fromPattern(owned)));
    // On disk: exactly 128 bytes, '1' where owned and '0' for a coin not held.
    QCOMPARE(readFileBytes(file), owned);
    const auto read = collection::readCollectionFile(file);
    QVERIFY(read.has_value());
    QCOMPARE(pattern(*read), owned);
}

void TestCollectionFile::saveMakesANewFile()
{
    // A reader that opened the old, longer file before the save still reads it whole afterwards:
    // the save wrote a new file and renamed it, it never truncated the old one in place.
    const QString file = path(u"long.eur"_s);
    const QByteArray old(4096, 'x');
    QVERIFY(writeRaw(file, old));
    QFile reader(file);
    QVERIFY(reader.open(QIODevice::ReadOnly));
    struct stat before = {};
    QCOMPARE(::fstat(reader.handle(), &before), 0);

    QVERIFY(collection::writeCollectionFile(file, fromPattern(newContent)));
    QCOMPARE(readFileBytes(file), newContent);
    QCOMPARE(reader.readAll(), old);
    struct stat after = {};
    QCOMPARE(::stat(QFile::encodeName(file).constData(), &after), 0);
    QVERIFY(after.st_ino != before.st_ino);
}

void TestCollectionFile::saveKeepsWhatTheFileHad()
{
    // tmpfs takes ACLs and user attributes where the build folder's file system may not.
    QTemporaryDir dir(u"/dev/shm/numislot-XXXXXX"_s);
    if (!dir.isValid())
        QSKIP("no tmpfs at /dev/shm");
    const QString file = dir.filePath(u"c.eur"_s);
    QVERIFY(writeRaw(file, oldContent));
    const QByteArray local = QFile::encodeName(file);
    // Root can give the file away and save over it write-protected (an ordinary user may do neither),
    // with a named user and a mask narrower than the group entry.
    const bool root = ::geteuid() == 0;
    if (root)
        QCOMPARE(::chown(local.constData(), 65534, 65534), 0);
    const int aclSet = setAcl(local, ACL_TYPE_ACCESS,
        root ? "u::r--,u:65534:rw-,g::rw-,m::r--,o::---" : "u::rw-,u:0:rw-,g::rw-,m::r--,o::---");
    if (aclSet != 0 && errno == ENOTSUP)
        QSKIP("this tmpfs takes no ACL");
    QCOMPARE(aclSet, 0);
    // tmpfs takes user attributes from Linux 6.6 on.
    const bool userAttributes = ::setxattr(local.constData(), "user.numislot.note", "kept", 4, 0) == 0;
    struct stat before = {};
    QCOMPARE(::stat(local.constData(), &before), 0);
    const QByteArray aclBefore = aclText(local);

    QVERIFY(collection::writeCollectionFile(file, fromPattern(newContent)));
    QCOMPARE(readFileBytes(file), newContent);
    struct stat after = {};
    QCOMPARE(::stat(local.constData(), &after), 0);
    QVERIFY(after.st_ino != before.st_ino);
    QCOMPARE(after.st_uid, before.st_uid);
    QCOMPARE(after.st_gid, before.st_gid);
    QCOMPARE(after.st_mode & 07777, before.st_mode & 07777);
    QCOMPARE(aclText(local), aclBefore);
    if (!userAttributes)
        QSKIP("owner, group, mode and ACL kept; this tmpfs takes no user attribute to check");
    char value[16] = {};
    QCOMPARE(::getxattr(local.constData(), "user.numislot.note", value, sizeof value), ssize_t(4));
    QCOMPARE(QByteArray(value), QByteArray("kept"));
}

void TestCollectionFile::saveDropsTheDirectoryDefaultAcl()
{
    // A file saved over takes the old file's rights, not what the directory gives new files.
    QTemporaryDir dir(u"/dev/shm/numislot-XXXXXX"_s);
    if (!dir.isValid())
        QSKIP("no tmpfs at /dev/shm");
    const QString file = dir.filePath(u"c.eur"_s);
    QVERIFY(writeRaw(file, oldContent));
    const QByteArray local = QFile::encodeName(file);
    QCOMPARE(::chmod(local.constData(), 0600), 0);
    const int aclSet
        = setAcl(QFile::encodeName(dir.path()), ACL_TYPE_DEFAULT, "u::rwx,u:65534:rwx,g::rwx,m::rwx,o::r-x");
    if (aclSet != 0 && errno == ENOTSUP)
        QSKIP("this tmpfs takes no ACL");
    QCOMPARE(aclSet, 0);

    QVERIFY(collection::writeCollectionFile(file, fromPattern(newContent)));
    QCOMPARE(aclText(local), QByteArray("user::rw-\ngroup::---\nother::---\n"));
    struct stat after = {};
    QCOMPARE(::stat(local.constData(), &after), 0);
    QCOMPARE(after.st_mode & 07777, mode_t(0600));
}

void TestCollectionFile::notRegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << u"missing"_s;
    QTest::newRow("empty path") << u"empty"_s;
    QTest::newRow("directory") << u"directory"_s;
    QTest::newRow("named pipe") << u"fifo"_s;
    QTest::newRow("socket") << u"socket"_s;
    QTest::newRow("/dev/null") << u"/dev/null"_s;
    QTest::newRow("/dev/zero") << u"/dev/zero"_s;
    QTest::newRow("NUL inside the name") << u"nul"_s;
}

void TestCollectionFile::notRegularFile()
{
    QFETCH(QString, kind);
    QString target;
    int socketFd = -1;
    const auto closeSocket = qScopeGuard([&] {
        if (socketFd >= 0)
            ::close(socketFd);
    });

    if (kind == u"missing") {
        target = path(u"nothing.eur"_s);
    } else if (kind == u"directory") {
        target = path(u"folder.eur"_s);
        QVERIFY(QDir().mkdir(target));
    } else if (kind == u"fifo") {
        target = path(u"pipe.eur"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    } else if (kind == u"socket") {
        target = path(u"s.eur"_s);
        socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(socketFd >= 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        const QByteArray local = QFile::encodeName(target);
        QVERIFY(size_t(local.size()) < sizeof(address.sun_path));
        std::copy(local.begin(), local.end(), address.sun_path);
        QCOMPARE(::bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    } else if (kind == u"nul") {
        // "a.eur" exists; "a.eur\0x" must not be taken for it.
        QVERIFY(writeRaw(path(u"a.eur"_s), QByteArray(128, '1')));
        target = path(u"a.eur"_s) + QChar(u'\0') + u"x"_s;
    } else if (kind.startsWith(u'/')) {
        target = kind;
    }
    QVERIFY(!collection::readCollectionFile(target).has_value());
}

void TestCollectionFile::fifoDoesNotBlock()
{
    // Even with a writer holding the pipe open and data waiting, a pipe is not a collection file.
    const QString fifo = path(u"pipe.eur"_s);
    const QByteArray local = QFile::encodeName(fifo);
    QCOMPARE(::mkfifo(local.constData(), 0600), 0);

    auto reading = std::async(std::launch::async, [fifo] { return collection::readCollectionFile(fifo); });
    if (reading.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        // Release the blocked reader before failing, so the test process can end.
        const int writer = ::open(local.constData(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            ::close(writer);
        reading.wait();
        QFAIL("reading a named pipe blocked");
    }
    QVERIFY(!reading.get().has_value());

    const int keepOpen = ::open(local.constData(), O_RDWR | O_NONBLOCK);
    QVERIFY(keepOpen >= 0);
    const auto closeIt = qScopeGuard([keepOpen] { ::close(keepOpen); });
    QCOMPARE(::write(keepOpen, "1111", 4), ssize_t(4));
    QVERIFY(!collection::readCollectionFile(fifo).has_value());
}

void TestCollectionFile::permissions_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("readable");
    QTest::newRow("write-protected") << 0444 << true;
    QTest::newRow("no read permission") << 0200 << false;
    QTest::newRow("no permission at all") << 0000 << false;
}

void TestCollectionFile::permissions()
{
    QFETCH(int, mode);
    QFETCH(bool, readable);
    const QString file = path(u"p.eur"_s);
    QVERIFY(writeRaw(file, QByteArray(128, '1')));
    QCOMPARE(::chmod(QFile::encodeName(file).constData(), mode_t(mode)), 0);

    // Root reads every file, so the read runs in a child that has become an ordinary user.
    const int status = statusAsOrdinaryUser(m_dir->path(), [&] {
        const auto read = collection::readCollectionFile(file);
        return !read ? 0 : (*read == fromPattern(QByteArray(128, '1')) ? 1 : 2);
    });
    QVERIFY2(status >= 0, "could not read as an ordinary user");
    QCOMPARE(status, readable ? 1 : 0);
}

void TestCollectionFile::saveFailure_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("under a missing directory") << u"missing"_s;
    QTest::newRow("onto a directory") << u"directory"_s;
    QTest::newRow("empty path") << u"empty"_s;
}

void TestCollectionFile::saveFailure()
{
    QFETCH(QString, kind);
    QString target;
    if (kind == u"missing") {
        target = path(u"absent/c.eur"_s);
    } else if (kind == u"directory") {
        target = path(u"folder.eur"_s);
        QVERIFY(QDir().mkdir(target));
        QVERIFY(writeRaw(target + u"/inside"_s, oldContent));
    }
    QVERIFY(!collection::writeCollectionFile(target, fromPattern(newContent)));

    if (kind == u"missing")
        QVERIFY(!QFileInfo::exists(path(u"absent"_s)));
    if (kind == u"directory") {
        QVERIFY(QFileInfo(target).isDir());
        QCOMPARE(readFileBytes(target + u"/inside"_s), oldContent);
    }
    // Nothing left behind beside the target either.
    QDir dir(m_dir->path());
    const QStringList left = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    QVERIFY2(left.size() <= 1, qPrintable(left.join(u", "_s)));
}

void TestCollectionFile::saveIntoReadOnlyDirectory()
{
    // The file itself could be written over, but no new file can be made beside it: the save must
    // fail rather than fall back to writing the old file in place.
    const QString dir = path(u"ro"_s);
    QVERIFY(QDir().mkdir(dir));
    const QString file = dir + u"/c.eur"_s;
    QVERIFY(writeRaw(file, oldContent));
    QCOMPARE(::chmod(QFile::encodeName(file).constData(), 0666), 0);
    QCOMPARE(::chmod(QFile::encodeName(dir).constData(), 0555), 0);
    const auto restore = qScopeGuard([&] { ::chmod(QFile::encodeName(dir).constData(), 0755); });

    const int status = statusAsOrdinaryUser(
        m_dir->path(), [&] { return collection::writeCollectionFile(file, fromPattern(newContent)) ? 1 : 0; });
    QVERIFY2(status >= 0, "could not save as an ordinary user");
    QCOMPARE(status, 0);
    QCOMPARE(readFileBytes(file), oldContent);
}

void TestCollectionFile::saveOntoFullFileSystem()
{
    if (::geteuid() != 0)
        QSKIP("needs root to mount a small tmpfs that can be filled up");
    const QString dir = path(u"full"_s);
    QVERIFY(QDir().mkdir(dir));
    ScratchMount scratch(dir, "size=64k,mode=0755");
    if (!scratch.mounted())
        QSKIP("running as root without the right to mount a tmpfs");

    const QString file = dir + u"/c.eur"_s;
    QVERIFY(collection::writeCollectionFile(file, fromPattern(oldContent)));

    // Fill every remaining block.
    QFile filler(dir + u"/filler"_s);
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'x');
    for (int i = 0; i < 1024 && filler.write(block) == block.size(); ++i) { }
    filler.close();
    QFile probe(dir + u"/probe"_s);
    QVERIFY(probe.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    QVERIFY2(probe.write("x", 1) != 1, "the scratch file system is not full");
    probe.close();
    probe.remove();

    QVERIFY(!collection::writeCollectionFile(file, fromPattern(newContent)));
    QCOMPARE(readFileBytes(file), oldContent);
}

void TestCollectionFile::failingDevice_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("success");
    QTest::newRow("fails at once") << 0 << false;
    QTest::newRow("fails after one byte") << 1 << false;
    QTest::newRow("fails half-way") << 64 << false;
    QTest::newRow("fails on the last byte") << 127 << false;
    QTest::newRow("room for exactly 128") << 128 << true;
}

void TestCollectionFile::failingDevice()
{
    QFETCH(int, limit);
    QFETCH(bool, success);
    FailDevice device(limit);
    QVERIFY(device.open(QIODevice::WriteOnly));
    QCOMPARE(collection::writeCollection(device, fromPattern(newContent)), success);
    if (success)
        QCOMPARE(device.data(), newContent);
}

void TestCollectionFile::flushFailureOnDevice()
{
    // /dev/full takes buffered writes and fails with "no space" on the flush.
    QFile full(u"/dev/full"_s);
    if (!full.open(QIODevice::WriteOnly))
        QSKIP("no /dev/full here");
    QVERIFY(!collection::writeCollection(full, fromPattern(newContent)));
}

void TestCollectionFile::killedDuringSaves()
{
    const QString file = path(u"killed.eur"_s);
    QVERIFY(collection::writeCollectionFile(file, fromPattern(oldContent)));
    const Ownership first = fromPattern(oldContent);
    const Ownership second = fromPattern(newContent);

    // Shared with the saving child: set while it is inside a save, so each kill tells where it landed.
    void* shared = ::mmap(nullptr, sizeof(std::atomic<int>), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    QVERIFY(shared != MAP_FAILED);
    const auto unmap = qScopeGuard([shared] { ::munmap(shared, sizeof(std::atomic<int>)); });
    auto* inSave = new (shared) std::atomic<int>(0);

    const int rounds = 60;
    int killedInSave = 0;
    int sawNew = 0;
    for (int round = 0; round < rounds; ++round) {
        inSave->store(0);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            for (bool even = true;; even = !even) {
                inSave->store(1);
                collection::writeCollectionFile(file, even ? second : first);
                inSave->store(0);
            }
        }
        ::usleep(useconds_t(QRandomGenerator::global()->bounded(1000, 20000)));
        ::kill(child, SIGKILL);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        killedInSave += inSave->load();

        const QByteArray onDisk = readFileBytes(file);
        QVERIFY2(onDisk == oldContent || onDisk == newContent,
            qPrintable(u"round %1: %2 bytes: %3"_s.arg(round).arg(onDisk.size()).arg(QString::fromLatin1(onDisk))));
        sawNew += onDisk == newContent;
    }
    qInfo("%d of %d kills landed inside a save; the new contents were on disk after %d", killedInSave, rounds, sawNew);
    QVERIFY2(killedInSave >= rounds / 2, "too few kills landed inside a save to show anything");
}

QTEST_GUILESS_MAIN(TestCollectionFile)
#include "tst_collectionfile.moc"
