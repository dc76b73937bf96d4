// Saving replaces a file whole or not at all: a write that fails (here past
// the file size limit, as on a full disk) leaves the old file as it was, and
// no temporary file is left beside it. A new file gets the usual mode, a
// replaced one keeps its own. A file thrown away reaches the trash whole
// with its time, on its own disk or another. A lock is held by one at most.

#include "platform/AtomicFile.hpp"
#include "platform/FileLock.hpp"
#include "platform/Trash.hpp"
#include "support/TempDir.hpp"

#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <tuple>

TEST(AtomicFile, ReplacesTheFileWholeOrNotAtAll)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit usual{};
    getrlimit(RLIMIT_FSIZE, &usual);
    const rlimit limited{50000, usual.rlim_max};
    namespace fs = std::filesystem;
    const mode_t mask = umask(022);
    const std::tuple<const char*, std::size_t, fs::perms> cases[] = {
        {nullptr, 1000, fs::perms(0644)},
        {"old palace", 1000, fs::perms(0600)},
        {"old palace", 99999, fs::perms(0640)}};
    for (const auto& [old, size, mode] : cases)
    {
        SCOPED_TRACE(size);
        TestSupport::TempDir dir;
        const std::string file = dir.file("savegame.txt"), contents(size, 'n');
        if (old)
        {
            std::ofstream(file) << old;
            fs::permissions(file, mode);
        }
        bool failed = false;
        setrlimit(RLIMIT_FSIZE, &limited);
        try
        {
            Platform::replaceFileAtomically(file, contents);
        }
        catch (const std::runtime_error&)
        {
            failed = true;
        }
        setrlimit(RLIMIT_FSIZE, &usual);
        const bool fits = size < limited.rlim_cur;
        EXPECT_EQ(!fits, failed);
        EXPECT_EQ(fits ? contents : old, TestSupport::readFile(file));
        EXPECT_EQ(1, std::distance(fs::directory_iterator(dir.path()), {}));
        EXPECT_EQ(mode, fs::status(file).permissions());
    }
    umask(mask);
}

TEST(Trash, KeepsTheFileAndItsTimeOnItsOwnDiskOrAnother)
{
    namespace fs = std::filesystem;
    // The other disk is a tmpfs in a mount namespace of this test's own.
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        GTEST_SKIP() << "a mount namespace needs root";
    TestSupport::TempDir dir;
    const std::string palace = dir.file("palace.txt");
    const auto time = fs::file_time_type::clock::now() - std::chrono::hours(9999);
    for (const std::string disk : {"own", "other"})
    {
        const std::string data = dir.file(disk), trashed = data + "/Trash/files/palace.txt";
        fs::create_directory(data);
        ASSERT_TRUE(disk == "own" || ::mount("tmpfs", data.c_str(), "tmpfs", 0, nullptr) == 0);
        ::setenv("XDG_DATA_HOME", data.c_str(), 1);
        std::ofstream(palace) << disk;
        fs::last_write_time(palace, time);
        Platform::moveToTrash(palace);
        EXPECT_TRUE(!fs::exists(palace) && TestSupport::readFile(trashed) == disk) << disk;
        EXPECT_TRUE(fs::last_write_time(trashed) == time) << disk;
        ::umount2(data.c_str(), MNT_DETACH);
    }
    ::unsetenv("XDG_DATA_HOME");
}

TEST(FileLock, IsHeldByOneAtMostThoughEachRemovesItsFile)
{
    // Two takers as fast as they can: while one holds the lock, its file is
    // there and no other holds it; at the end the file is gone.
    TestSupport::TempDir dir;
    const std::string file = dir.file("lock");
    std::atomic<int> holders{0}, broken{0};
    auto contend = [&]
    {
        for (int i = 0; i < 20000; ++i)
        {
            Platform::FileLock lock(file);
            broken += lock.held() && (++holders > 1 || !std::filesystem::exists(file));
            holders -= lock.held();
        }
    };
    std::thread other(contend);
    contend();
    other.join();
    EXPECT_EQ(broken, 0);
    EXPECT_FALSE(std::filesystem::exists(file));
}
