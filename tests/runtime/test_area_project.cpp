// Projects rebuilt from area files, as the simulator's --render reads them: files as the command
// line tool writes them and as the simulator keeps them (the whole area, the image at its start),
// and files that are missing, erased, cut short or filled with noise.

#include "presenters/params_test_support.h"

#include "core/app/app_services.h"
#include "core/runtime/area_project.h"
#include "core/tags/tag_resources.h"

#include "util/byte_order.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace {

using core::AreaImages;

const char *const kNames[] = {"G.bin", "S.bin", "R.bin", "C.bin"};

struct Areas
{
    Areas()
    {
        app.Load(folder.path(""), 0x412);
        auto doc = app.NewDocument();
        EXPECT_TRUE(doc->NewProject(app.NewProjectDefaults(folder.path("Project/a.kvr"))));
        doc->AddScreen(7);
        screens = doc->Screens().size();
        for (int i = 0; i < 4; ++i)
            images[std::size_t(i)] = app.Areas().BuildArea(core::ProjectArea(i), *doc);
    }

    void write(int area, const util::Bytes &bytes) const
    {
        std::ofstream(folder.path(kNames[area]), std::ios::binary)
                .write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    }
    void writeAll() const
    {
        for (int i = 0; i < 4; ++i)
            write(i, images[std::size_t(i)]);
    }

    plctest::ProgramFolder folder{"area_project"};
    core::CAppServices app;
    AreaImages images;
    std::size_t screens = 0;
};

} // namespace

TEST(AreaProject, ReadsToolImagesAndWholeAreasAlike)
{
    Areas a;
    a.writeAll();
    AreaImages read;
    std::string error;
    ASSERT_TRUE(core::readAreaFiles(a.folder.path(""), read, error)) << error;
    EXPECT_EQ(read, a.images);

    // The simulator's state files: the image, then the rest of the area erased.
    for (int i = 0; i < 4; ++i) {
        util::Bytes whole = a.images[std::size_t(i)];
        whole.resize(core::kProjectAreaCapacity[std::size_t(i)], 0xFF);
        a.write(i, whole);
    }
    ASSERT_TRUE(core::readAreaFiles(a.folder.path(""), read, error)) << error;
    EXPECT_EQ(read, a.images);

    const auto doc = core::projectFromAreas(a.app, read, error);
    ASSERT_TRUE(doc) << error;
    EXPECT_EQ(doc->Screens().size(), a.screens);
    EXPECT_TRUE(doc->FindScreen(7));
}

TEST(AreaProject, RefusesMissingErasedAndOversizedAreasByName)
{
    Areas a;
    AreaImages read;
    std::string error;
    a.writeAll();
    std::filesystem::remove(a.folder.path("C.bin"));
    EXPECT_FALSE(core::readAreaFiles(a.folder.path(""), read, error));
    EXPECT_NE(error.find("C.bin"), std::string::npos) << error;

    a.writeAll();
    a.write(0, util::Bytes(core::kProjectAreaCapacity[0], 0xFF)); // erased panel memory
    error.clear();
    EXPECT_FALSE(core::readAreaFiles(a.folder.path(""), read, error));
    EXPECT_NE(error.find("G.bin"), std::string::npos) << error;

    // A length beyond the file, beyond the area, or shorter than its own field.
    for (std::uint32_t length :
         {std::uint32_t(a.images[1].size() + 1), std::uint32_t(0x9000), std::uint32_t(3)}) {
        util::Bytes s = a.images[1];
        util::setBe32(s, 0, length);
        util::Bytes copy = s;
        EXPECT_FALSE(core::trimAreaImage(core::kAreaString, copy)) << length;
        EXPECT_EQ(copy, s) << "left alone";
    }
    util::Bytes tiny{0, 0};
    EXPECT_FALSE(core::trimAreaImage(core::kAreaGlobal, tiny));
}

TEST(AreaProject, NoiseInAScreenAreaIsRefusedNotTrusted)
{
    Areas a;
    std::mt19937 random(7);
    std::string error;
    for (int round = 0; round < 40; ++round) {
        AreaImages areas = a.images;
        util::Bytes &c = areas[3];
        // Keep the length field, scramble a stretch of the records behind it.
        const std::size_t from = 4 + random() % (c.size() - 4);
        for (std::size_t i = from; i < std::min(c.size(), from + 64); ++i)
            c[i] = std::uint8_t(random());
        if (round % 4 == 0)
            c.resize(4 + random() % (c.size() - 4)); // cut short
        util::setBe32(c, 0, std::uint32_t(c.size()));
        // Either it parses into a project or it is refused with a reason; never a crash.
        const auto doc = core::projectFromAreas(a.app, areas, error);
        if (!doc) {
            EXPECT_FALSE(error.empty());
        }
    }
}
