#include "savegame/GalleryFolder.hpp"

#include "platform/AtomicFile.hpp"
#include "platform/Clock.hpp"
#include "platform/GameLog.hpp"
#include "platform/SmallFile.hpp"
#include "platform/Trash.hpp"
#include "savegame/SavedGame.hpp"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace SaveGame
{
namespace
{
namespace fs = std::filesystem;

// A palace's name as the folder may hold it: a plain file name.
bool plainName(const std::string& name)
{
    return !name.empty() && name.size() < 200 && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos && name[0] != '.';
}
} // namespace

GalleryFolder::GalleryFolder(std::string folder) : folder(std::move(folder)) {}

std::string GalleryFolder::palaceFile(const std::string& name) const
{
    return folder + "/" + name + ".txt";
}

Platform::FileLock GalleryFolder::lockOf(const std::string& name) const
{
    std::error_code ignored;
    fs::create_directories(folder + "/.locks", ignored);
    return Platform::FileLock(folder + "/.locks/" + name);
}

void GalleryFolder::seenNow(const std::string& name)
{
    if (const auto identity = Platform::fileIdentity(palaceFile(name)))
        seen[name] = *identity;
    else
        seen.erase(name);
}

bool GalleryFolder::asSeen(const std::string& name) const
{
    const auto identity = Platform::fileIdentity(palaceFile(name));
    const auto known = seen.find(name);
    return known == seen.end() ? !identity : identity && *identity == known->second;
}

std::string GalleryFolder::begin()
{
    const std::string stamp = Platform::localTimeStamp();
    for (int n = 1;; ++n)
    {
        const std::string name = n == 1 ? stamp : stamp + " " + std::to_string(n);
        std::error_code ignored;
        if (fs::exists(palaceFile(name), ignored))
            continue;
        Platform::FileLock taken = lockOf(name);
        // Without a folder to lock in (a read-only disk), nothing can be
        // kept anyway; the first free name does. Another game may have kept
        // the name between the look and the lock.
        if ((!taken.held() || fs::exists(palaceFile(name), ignored)) &&
            fs::is_directory(folder + "/.locks", ignored) && n < 1000)
            continue;
        lock = std::move(taken);
        held = name;
        return name;
    }
}

bool GalleryFolder::take(const std::string& name)
{
    if (name == held && lock.held())
        return true;
    Platform::FileLock taken = lockOf(name);
    if (!taken.held() || !asSeen(name))
        return false;
    lock = std::move(taken);
    held = name;
    return true;
}

void GalleryFolder::keep(const std::string& name, const Palace& palace,
                         const BackgroundCatalogue& backgrounds, const FrameCatalogue& frames)
{
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    writeSavedGame(palaceFile(name), palace, backgrounds, frames);
    seenNow(name);
}

void GalleryFolder::open(const std::string& name, Palace& palace, BackgroundCatalogue& backgrounds,
                         FrameCatalogue& frames)
{
    // Noted before reading: a change meanwhile then shows as one.
    seenNow(name);
    read(name, palace, backgrounds, frames);
}

void GalleryFolder::read(const std::string& name, Palace& palace, BackgroundCatalogue& backgrounds,
                         FrameCatalogue& frames)
{
    // A palace never leaves the gallery for a picture gone: it shows stand-ins.
    readSavedGame(palaceFile(name), palace, backgrounds, frames, MissingPicture::standIn);
}

std::vector<std::string> GalleryFolder::names()
{
    std::vector<std::pair<fs::file_time_type, std::string>> kept;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    {
        const fs::path& path = it->path();
        const std::string name = path.stem().string();
        std::error_code ignored;
        if (path.extension() != ".txt" || !plainName(name) || found.count(name) ||
            !it->is_regular_file(ignored))
            continue;
        kept.emplace_back(it->last_write_time(ignored), name);
    }
    std::sort(kept.begin(), kept.end(), [](const auto& a, const auto& b) { return a > b; });
    std::vector<std::string> newestFirst;
    for (auto& entry : kept)
        newestFirst.push_back(std::move(entry.second));
    return newestFirst;
}

void GalleryFolder::damaged(const std::string& name, const std::string& why)
{
    if (found.insert(name).second)
        Platform::logLine("PalaceBuild", 910)
            << " Damaged palace " << palaceFile(name) << ": " << why << Platform::endLine;
}

std::string GalleryFolder::thumbnail(const std::string& name) const
{
    return folder + "/" + name + ".png";
}

bool GalleryFolder::thumbnailCurrent(const std::string& name) const
{
    std::error_code error;
    const auto picture = fs::last_write_time(thumbnail(name), error);
    if (error)
        return false;
    const auto palace = fs::last_write_time(palaceFile(name), error);
    return !error && picture >= palace;
}

void GalleryFolder::trash(const std::string& name)
{
    Platform::moveToTrash(palaceFile(name));
    seen.erase(name);
    // A thumbnail left behind is never shown: only palaces are listed.
    std::error_code ignored;
    if (fs::exists(thumbnail(name), ignored))
    {
        try
        {
            Platform::moveToTrash(thumbnail(name));
        }
        catch (const std::exception&)
        {
            fs::remove(thumbnail(name), ignored);
        }
    }
}

std::string GalleryFolder::lastInPlay() const
{
    std::string problem;
    const std::string text = Platform::readSmallFile(folder + "/.last", 1024, problem);
    const std::string name = text.substr(0, text.find('\n'));
    if (!plainName(name))
        return "";
    std::error_code ignored;
    return fs::is_regular_file(palaceFile(name), ignored) ? name : "";
}

void GalleryFolder::noteInPlay(const std::string& name)
{
    try
    {
        std::error_code ignored;
        fs::create_directories(folder, ignored);
        Platform::replaceFileAtomically(folder + "/.last", name + "\n");
    }
    catch (const std::exception& failure)
    {
        Platform::logLine("PalaceBuild", 911) << " " << failure.what() << Platform::endLine;
    }
}

} // namespace SaveGame
