// vqtool update-transponders with a web source: the local server's tables,
// and the installed tables when the source cannot be reached.

#include <gmock/gmock.h>

#include "scan_table_texts.h"
#include "scripted_http_server.h"
#include "support/database_builder.h"
#include "tool_test_support.h"

namespace vq::test {
namespace {

using ::testing::HasSubstr;

class UpdateCommandUrlTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    auto db = MakeDatabase(kModelPvr);
    db->GetSatelliteNode(0)->SetName("Thor");
    db->GetSatelliteNode(0)->Satellite().SetPosition(-8);
    db->GetSatelliteNode(0)->Lnb().SetType(1);
    AddTransponders(*db, 0, 1)[0]->Record().SetFrequency(11216);
    Save(*db, "in.bin");
    server_.Script("/dvb-s/", {ScriptedHttpServer::Kind::kBody, "Thor-6-0.8W\nThor-7-0.6W\n"});
    server_.Script(
        "/dvb-s/Thor-6-0.8W",
        {ScriptedHttpServer::Kind::kBody,
         (Section(11216, "HORIZONTAL", 27500) + Section(11325, "HORIZONTAL", 24500)).c_str()});
  }
  ScriptedHttpServer server_;
};

TEST_F(UpdateCommandUrlTest, ComparesWithTheTablesOfTheWebSource) {
  const ToolRun run = RunVqtool({"update-transponders", Path("in.bin"), "--tables",
                                 server_.Url("/dvb-s/").toStdString(), "--apply", Path("out.bin")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_THAT(run.out, HasSubstr("Satellite 1 \"Thor\" at 0.8W: 1 difference\n"));
  EXPECT_THAT(run.out, HasSubstr("  new      11325 H 24500 Auto (Thor-6-0.8W line 9)\n"));
  EXPECT_EQ(server_.Requests("/dvb-s/Thor-7-0.6W"), 0);
  EXPECT_EQ(RunVqtool({"check", Path("out.bin")}).out, "0 problems\n");
}

TEST_F(UpdateCommandUrlTest, AnUnreachableSourceFallsBackToTheInstalledTables) {
  QTcpServer closed;
  closed.listen(QHostAddress::LocalHost);
  const std::string url = "http://127.0.0.1:" + std::to_string(closed.serverPort()) + "/dvb-s/";
  closed.close();
  const ToolRun run = RunVqtool({"update-transponders", Path("in.bin"), "--tables", url});
  EXPECT_THAT(run.err, HasSubstr("cannot be reached"));
  if (std::filesystem::is_directory("/usr/share/dvb/dvb-s")) {
    EXPECT_EQ(run.code, 0);
    EXPECT_THAT(run.err,
                HasSubstr("The installed tables in /usr/share/dvb/dvb-s were used instead."));
    EXPECT_THAT(run.out, HasSubstr("Satellite 1 \"Thor\" at 0.8W: "));
  } else {
    EXPECT_EQ(run.code, 1);
  }
  EXPECT_FALSE(std::filesystem::exists(Path("out.bin")));
}

}  // namespace
}  // namespace vq::test
