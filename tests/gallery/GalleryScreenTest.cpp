// The gallery screen alone, on fourteen names and the game folder's
// pictures: the highlight moved by the arrow keys and by the targets' clicks,
// the pages, and what it reports to the level. Its pictures are GL textures,
// so it needs a GL window; it needs no level and no kept palaces. Every row
// starts from a screen of its own.

#include "gallery/GalleryScreen.hpp"
#include "support/Level.hpp"

#include <gtest/gtest.h>
#include <sstream>

using namespace TestSupport;
using GameLogic::PalaceBuild::GalleryScreen;

TEST(GalleryScreen, HighlightAndPagesFollowKeysAndClicks)
{
    GlContext gl;
    TempDir dir;
    WorkingDirectory cwd{dir.path()};
    SoundRecorder sounds;
    writeGameFolder();
    std::vector<std::string> names;
    for (int k = 0; k < 14; ++k)
        names.push_back("p" + std::to_string(k));

    // Steps, separated by commas: the arrow keys "<", ">", "^", "v"; a click
    // on a target by its name and index ("thumbnail:5"); "x" takes the
    // highlighted name out. Then the highlighted name, the first of its
    // page, the arrows listed, and the choices reported, in order.
    const struct
    {
        const char *steps, *highlighted, *first, *arrows, *reported;
        bool binActive = true;
    } rows[] = {
        {"", "p0", "p0", "next", ""},
        {">", "p1", "p0", "next", "none"},
        {"v", "p4", "p0", "next", "none"},
        {"v,v,v", "p12", "p12", "previous", "none none page"},
        {"v,v,v,^", "p8", "p0", "next", "none none page page"},
        {"<,^", "p0", "p0", "next", "none none"},
        {"v,v,v,v,>", "p13", "p12", "previous", "none none page none none"},
        {"next page:0", "p12", "p12", "previous", "page"},
        {"next page:0,previous page:0", "p0", "p0", "next", "page page"},
        {"thumbnail:5", "p5", "p0", "next", "open"},
        {"next page:0,thumbnail:1", "p13", "p12", "previous", "page open"},
        {"bin:0", "p0", "p0", "next", "trash"},
        {"bin:0", "p0", "p0", "next", "", false},
        {"v,x", "p5", "p0", "next", "none"},
        {"v,v,v,>,x,x", "p11", "p0", "", "none none page none"},
    };
    for (const auto& row : rows)
    {
        GalleryScreen screen(row.binActive);
        screen.show(names);
        std::string reported;
        auto report = [&](GalleryScreen::Choice choice)
        {
            const char* const words[] = {"none", "page", "open", "trash"};
            reported += (reported.empty() ? "" : " ") + std::string(words[int(choice)]);
        };
        std::istringstream steps(row.steps);
        for (std::string step; std::getline(steps, step, ',');)
        {
            GameLogic::Targets targets;
            screen.addTargets(targets, report);
            const std::size_t key = std::string("<>^v").find(step);
            if (step == "x")
                screen.remove(screen.highlighted());
            else if (step.size() == 1)
                report(screen.move(int(key == 1) - int(key == 0), int(key == 3) - int(key == 2)));
            for (const GameLogic::Target& target : targets.all())
                if (target.name + ":" + std::to_string(target.index) == step)
                    target.act();
        }
        GameLogic::Targets targets;
        screen.addTargets(targets, report);
        std::string arrows;
        for (const GameLogic::Target& target : targets.all())
            if (target.group == GameLogic::Target::Group::pageArrows)
                arrows +=
                    (arrows.empty() ? "" : " ") + target.name.substr(0, target.name.find(' '));
        EXPECT_EQ(screen.highlighted(), row.highlighted) << row.steps;
        EXPECT_EQ(screen.page().front(), row.first) << row.steps;
        EXPECT_EQ(arrows, row.arrows) << row.steps;
        EXPECT_EQ(reported, row.reported) << row.steps;
    }
}
