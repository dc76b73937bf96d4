#include "play/Toolbar.hpp"

#include "content/OwnPictures.hpp"
#include "content/PictureListing.hpp"
#include "platform/GameLog.hpp"
#include "video/MaskFile.hpp"
#include "video/Rectangl.hpp"

#include <stdexcept>

namespace GameLogic
{
namespace PalaceBuild
{
namespace
{
using VideoEngine::OpenGL::Rectangl;

// The five pictures "BMP/button/<stem>01.png" to "...05.png".
Utils::Array<std::string, 5> checkBoxPictures(const std::string& stem)
{
    Utils::Array<std::string, 5> files;
    for (unsigned k = 0; k < files.size(); ++k)
        files[k] = "BMP/button/" + stem + "0" + std::to_string(k + 1) + ".png";
    return files;
}

const char* const folderNames[] = {"palace", "decoration", "person"};

// Each row of the game's own pictures followed by the same row of own ones.
void appendOwn(std::vector<std::vector<std::string>>& rows,
               const std::vector<std::vector<std::string>>& own)
{
    for (std::size_t i = 0; i < rows.size() && i < own.size(); ++i)
        rows[i].insert(rows[i].end(), own[i].begin(), own[i].end());
}
} // namespace

const char* const Toolbar::picturePattern = "^[1-3]\\.(.*)\\.(png|bmp)$";

Toolbar::Toolbar(const std::vector<Control>& list,
                 std::vector<std::vector<std::string>>& firstFolder, Commands& commands)
{
    for (const char* name : folderNames)
    {
        folders.push_back(std::string("BMP/") + name + "/");
        std::vector<std::vector<std::string>> lists;
        listPicturesByRow(folders.back(), lists, picturePattern);
        for (const auto& pictures : lists)
            VideoEngine::OpenGL::prepareMasks(pictures);
        own.push_back(ownPictures(name));
    }
    appendOwn(firstFolder, own.front());
    const Button rightArrow(Button::pictures("arrow "), 149, 159, false);
    const Button leftArrow(Button::pictures("arrow "), 149, 159, true);
    rows.reserve(firstFolder.size());
    for (std::size_t i = 0; i < firstFolder.size(); ++i)
    {
        rows.push_back(std::make_unique<Cell>(firstFolder[i], 23, 120 + 183 * static_cast<int>(i),
                                              leftArrow, rightArrow));
    }

    for (const Control& control : list)
    {
        std::shared_ptr<Button> button;
        const VideoEngine::OpenGL::Position at = placeOf(control.place);
        if (control.kind == Control::checkBox)
            checkBox = std::make_unique<CheckBox>(checkBoxPictures(control.pictures), at.x, at.y,
                                                  control.mirrored);
        else if (control.kind == Control::button)
        {
            button = std::make_shared<Button>(Button::pictures(control.pictures), at.x, at.y,
                                              control.mirrored);
            if (control.inactive)
                button->addInactivePicture(std::string("BMP/button/") + control.pictures +
                                           "04.png");
            if (control.command)
                button->setCommand([&commands, run = control.command] { run(commands); });
            if (control.whenInactive)
                button->setInactiveCommand([&commands, run = control.whenInactive]
                                           { run(commands); });
        }
        shown.push_back({&control, std::move(button)});
    }
}

VideoEngine::OpenGL::Position Toolbar::placeOf(const Place& place) const
{
    if (!place.from)
        return {place.dx, place.dy};
    Rectangl r;
    for (const Shown& built : shown)
        if (place.from == std::string(built.control->name))
            r = built.button ? built.button->box() : checkBox->box();
    switch (place.corner)
    {
    case Place::bottomLeft:
        return {r.left + place.dx, r.bottom + place.dy};
    case Place::topRight:
        return {r.right + place.dx, r.top + place.dy};
    default:
        return {r.left + place.dx, r.top + place.dy};
    }
}

const Toolbar::Shown& Toolbar::control(const std::string& name) const
{
    for (const Shown& built : shown)
        if ((built.button || built.control->kind == Control::checkBox) &&
            name == built.control->name)
            return built;
    throw std::out_of_range("no control " + name);
}

void Toolbar::addTarget(Targets& targets, const Shown& built)
{
    const Control& c = *built.control;
    if (built.button)
        targets.add({*c.group, c.name, 0, built.button->box(), nullptr,
                     [button = built.button.get()] { button->click(); },
                     [button = built.button.get()](bool over, bool down)
                     { button->show(over, down); }});
    else if (c.kind == Control::checkBox)
        targets.add({*c.group, c.name, 0, checkBox->box(), nullptr,
                     [box = checkBox.get()] { box->click(); },
                     [box = checkBox.get()](bool over, bool down) { box->show(over, down); }});
}

void Toolbar::addTarget(Targets& targets, const std::string& name)
{
    addTarget(targets, control(name));
}

void Toolbar::addTargets(Targets& targets, const std::function<void(std::size_t row)>& take)
{
    for (const Shown& built : shown)
        addTarget(targets, built);
    for (std::size_t row = 0; row < rows.size(); ++row)
        rows[row]->addTargets(targets, row, [take, row] { take(row); });
}

void Toolbar::refresh(const Commands& commands)
{
    for (const Shown& built : shown)
        if (built.button && built.control->inactive)
            built.button->setActive(!built.control->inactive(commands));
}

void Toolbar::addCells(VideoEngine::OpenGL::PictureBatch& batch) const
{
    for (const auto& cell : rows)
        cell->addPicture(batch);
}

void Toolbar::addControls(VideoEngine::OpenGL::PictureBatch& batch) const
{
    for (const Shown& built : shown)
    {
        if (built.button)
            batch.add(built.button->shown());
        else if (built.control->kind == Control::checkBox)
            batch.add(checkBox->shown());
    }
    for (const auto& cell : rows)
        cell->addArrows(batch);
}

void Toolbar::addControl(VideoEngine::OpenGL::PictureBatch& batch, const std::string& name) const
{
    const Shown& built = control(name);
    batch.add(built.button ? built.button->shown() : checkBox->shown());
}

std::shared_ptr<Brick> Toolbar::takePiece(std::size_t row, const std::string& carried)
{
    return rows.at(row)->take(carried);
}

void Toolbar::setCellsSize(unsigned step)
{
    for (const auto& cell : rows)
        cell->setSize(step);
}

void Toolbar::selectFolder(const std::string& folder)
{
    try
    {
        std::vector<std::vector<std::string>> lists;
        listPicturesByRow(folder, lists, picturePattern);
        for (std::size_t k = 0; k < folders.size(); ++k)
            if (folders[k] == folder)
                appendOwn(lists, own[k]);
        for (std::size_t i = 0; i < rows.size(); ++i)
        {
            if (i >= lists.size())
                throw std::out_of_range("invalid vector<T> subscript");
            rows[i]->setPictures(lists[i]);
        }
    }
    catch (const std::exception& failure)
    {
        Platform::logLine("PalaceBuild", 282) << " " << failure.what() << Platform::endLine;
        throw;
    }
}

void Toolbar::showFolder(std::size_t k)
{
    const std::string& folder = folders.at(k);
    current = k;
    selectFolder(folder);
}

void Toolbar::nextFolder()
{
    showFolder(current + 1 >= folders.size() ? 0 : current + 1);
}

} // namespace PalaceBuild
} // namespace GameLogic
