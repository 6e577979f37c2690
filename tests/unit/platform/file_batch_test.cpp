#include "platform/file_batch.h"

#include <gtest/gtest.h>

#include "unit/support/program_folder.h"

namespace zalvane::platform {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::FolderSnapshot;

class FileBatchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::WriteBytes(folder.File("a"), Bytes{1});
        test::WriteBytes(folder.File("b"), Bytes{2});
        before = FolderSnapshot(folder.Path());
    }
    // a gets b's byte, b goes, c is new.
    void Plan(FileBatch& batch)
    {
        batch.Replace(folder.File("a"), Bytes{2});
        batch.Remove(folder.File("b"));
        batch.Replace(folder.File("c"), Bytes{3, 3});
    }

    test::TempFolder folder;
    std::vector<std::pair<std::string, Bytes>> before;
};

TEST_F(FileBatchTest, KeptChangesLandWholeAndLeaveNothingElse)
{
    FileBatch batch;
    Plan(batch);
    ASSERT_TRUE(batch.Apply().has_value());
    batch.Keep();
    const std::vector<std::pair<std::string, Bytes>> expected = {{"a", {2}}, {"c", {3, 3}}};
    EXPECT_EQ(FolderSnapshot(folder.Path()), expected);
}

TEST_F(FileBatchTest, ChangesNotKeptAreTakenBack)
{
    {
        FileBatch batch;
        Plan(batch);
        ASSERT_TRUE(batch.Apply().has_value());
        EXPECT_EQ(test::ReadBytes(folder.File("a")), Bytes{2});
    }
    EXPECT_EQ(FolderSnapshot(folder.Path()), before);
    FileBatch batch;
    Plan(batch);
    ASSERT_TRUE(batch.Apply().has_value());
    batch.RollBack();
    EXPECT_EQ(FolderSnapshot(folder.Path()), before);
}

TEST_F(FileBatchTest, AFileThatCannotBeWrittenChangesNothingAndIsNamed)
{
    test::TempFolder elsewhere;
    std::filesystem::create_directory(elsewhere.Path() / "folder");
    const std::string cases[] = {elsewhere.File("folder"), folder.File("missing/x"), ""};
    for (const std::string& bad : cases) {
        SCOPED_TRACE(bad);
        FileBatch batch;
        Plan(batch);
        batch.Replace(bad, Bytes{9});
        const auto applied = batch.Apply();
        ASSERT_FALSE(applied.has_value());
        EXPECT_EQ(applied.error().path, bad);
        EXPECT_TRUE(applied.error().error);
        EXPECT_EQ(FolderSnapshot(folder.Path()), before);
    }
}

}  // namespace
}  // namespace zalvane::platform
