// Downloading scan tables from a local HTTP server: listings, broken, slow,
// oversized and redirected answers, an unreachable source with and without
// the installed fallback, Cancel, and downloads through the network module
// the editor loads.

#include <gmock/gmock.h>

#include <QSignalSpy>
#include <filesystem>
#include <fstream>

#include "interchange/qt/download_module.h"
#include "interchange/qt/scan_table_download.h"
#include "interchange/qt/scan_table_fetch.h"
#include "scan_table_texts.h"
#include "scripted_http_server.h"
#include "support/temp_path.h"

namespace vq::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using Kind = ScriptedHttpServer::Kind;

// Bounds every wait for a finished signal; the downloads' own time-outs
// are far shorter.
constexpr int kWaitMs = 20000;

const QByteArray kListing =
    "<html><ul><li><a href='/dvb-s/Astra-19.2E'>Astra-19.2E</a></li>"
    "<li><a href='/dvb-s/Astra-1L-19.2E'>Astra-1L-19.2E</a></li>"
    "<li><a href='/dvb-s/Hotbird-13.0E'>Hotbird-13.0E</a></li></ul></html>";

// Short enough to keep the silent cases quick, long enough that a loaded
// machine running sanitizer builds never starves an answering server.
DownloadLimits Short() {
  DownloadLimits limits;
  limits.idleMs = 1500;
  limits.requestMs = 10000;
  limits.maxBytes = 4096;
  limits.maxRedirects = 3;
  return limits;
}

class ScanTableDownloadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server_.isListening());
    server_.Script("/dvb-s/", {Kind::kBody, kListing});
    server_.Script("/dvb-s/Astra-19.2E",
                   {Kind::kBody, Section(11494, "HORIZONTAL", 22000).c_str()});
    server_.Script("/dvb-s/Astra-1L-19.2E",
                   {Kind::kBody, Section(11362, "HORIZONTAL", 22000).c_str()});
  }

  // Runs a download to its end; the tables by name with text or error.
  std::vector<std::string> Run(ScanTableDownload& download) {
    QSignalSpy finished(&download, &ScanTableDownload::finished);
    download.Start();
    EXPECT_TRUE(finished.count() > 0 || finished.wait(kWaitMs));
    std::vector<std::string> tables;
    for (const FetchedTable& t : download.Tables().tables)
      tables.push_back(t.name + ": " + (t.error.empty() ? "ok" : t.error));
    return tables;
  }

  ScriptedHttpServer server_;
};

TEST_F(ScanTableDownloadTest, TheListingNamesTheTablesOfEachPosition) {
  ScanTableDownload download(server_.Url("/dvb-s"), {192}, {}, Short());
  QSignalSpy progress(&download, &ScanTableDownload::progress);
  EXPECT_THAT(Run(download), ElementsAre("Astra-19.2E: ok", "Astra-1L-19.2E: ok"));
  EXPECT_EQ(download.GetOutcome(), ScanTableDownload::Outcome::kDone);
  EXPECT_EQ(download.Tables().tables[0].text, Section(11494, "HORIZONTAL", 22000));
  EXPECT_EQ(server_.Requests("/dvb-s/Hotbird-13.0E"), 0);
  ASSERT_FALSE(progress.isEmpty());
  EXPECT_EQ(progress.last().at(0).toInt(), 3);
  EXPECT_EQ(progress.last().at(1).toInt(), 3);
}

TEST_F(ScanTableDownloadTest, WithoutAListingTheInstalledNamesAreTried) {
  server_.Script("/dvb-s/", {Kind::kBody, "gone", 404});
  ScanTableDownload download(server_.Url("/dvb-s/"), {192}, {"Astra-1L-19.2E", "Thor-5-0.8W"},
                             Short());
  EXPECT_THAT(Run(download), ElementsAre("Astra-1L-19.2E: ok"));
  ASSERT_EQ(download.Tables().notes.size(), 1u);
  EXPECT_THAT(download.Tables().notes[0], HasSubstr("could not be read"));
}

TEST_F(ScanTableDownloadTest, BrokenSlowOversizedAndLoopingAnswersFailTheirTableOnly) {
  server_.Script("/dvb-s/", {Kind::kBody,
                             "Astra-19.2E Sat-1-19.2E Sat-2-19.2E Sat-3-19.2E Sat-4-19.2E "
                             "Sat-5-19.2E Sat-6-19.2E Sat-7-19.2E Sat-8-19.2E"});
  server_.Script("/dvb-s/Sat-1-19.2E", Kind::kBroken);
  server_.Script("/dvb-s/Sat-2-19.2E", Kind::kSilent);
  server_.Script("/dvb-s/Sat-3-19.2E", Kind::kTrickle);
  server_.Script("/dvb-s/Sat-4-19.2E", Kind::kOversized, 8192);
  server_.Script("/dvb-s/Sat-5-19.2E", Kind::kUnannounced, 65536);
  server_.Script("/dvb-s/Sat-6-19.2E", {Kind::kRedirect, "/dvb-s/Sat-6-19.2E"});
  server_.Script("/dvb-s/Sat-7-19.2E", {Kind::kRedirect, "/dvb-s/Astra-1L-19.2E"});
  ScanTableDownload download(server_.Url("/dvb-s/"), {192}, {}, Short());
  const std::vector<std::string> tables = Run(download);
  ASSERT_EQ(tables.size(), 9u);
  EXPECT_EQ(tables[0], "Astra-19.2E: ok");
  EXPECT_THAT(tables[1], HasSubstr("Sat-1-19.2E: "));
  EXPECT_THAT(tables[1], ::testing::Not(HasSubstr(": ok")));
  EXPECT_EQ(tables[2], "Sat-2-19.2E: no data for 1.5 s");
  EXPECT_EQ(tables[3], "Sat-3-19.2E: no data for 1.5 s");
  EXPECT_EQ(tables[4], "Sat-4-19.2E: larger than 4 KB");
  EXPECT_EQ(tables[5], "Sat-5-19.2E: larger than 4 KB");
  EXPECT_THAT(tables[6], HasSubstr("Sat-6-19.2E: "));
  EXPECT_THAT(tables[6], ::testing::Not(HasSubstr(": ok")));
  // A loop is cut off after the redirects allowed (each hop may be sent
  // twice when a kept-alive connection closed under it; without the limit
  // the loop would run until the request's time-out).
  EXPECT_LE(server_.Requests("/dvb-s/Sat-6-19.2E"), 2 * (Short().maxRedirects + 1));
  EXPECT_EQ(tables[7], "Sat-7-19.2E: ok");
  EXPECT_EQ(download.Tables().tables[7].text, Section(11362, "HORIZONTAL", 22000));
  EXPECT_EQ(tables[8], "Sat-8-19.2E: the server answered 404");
  EXPECT_EQ(download.GetOutcome(), ScanTableDownload::Outcome::kDone);
}

TEST_F(ScanTableDownloadTest, AWholeUpdateFetchesABoundedNumberOfTablesAndBytes) {
  server_.Script("/dvb-s/", {Kind::kBody, "Astra-19.2E Astra-1L-19.2E Sat-1-19.2E Sat-2-19.2E"});
  for (const char* name : {"/dvb-s/Sat-1-19.2E", "/dvb-s/Sat-2-19.2E"})
    server_.Script(name, {Kind::kBody, Section(11700, "VERTICAL", 27500).c_str()});
  DownloadLimits limits = Short();
  limits.maxTables = 3;
  limits.maxTotalBytes = static_cast<qint64>(Section(11494, "HORIZONTAL", 22000).size()) + 1;
  ScanTableDownload download(server_.Url("/dvb-s/"), {192}, {}, limits);
  const std::vector<std::string> tables = Run(download);
  ASSERT_EQ(tables.size(), 3u);
  EXPECT_EQ(tables[0], "Astra-19.2E: ok");
  EXPECT_EQ(tables[1], "Sat-1-19.2E: not read: an update reads at most 0 KB");
  EXPECT_EQ(tables[2], "Sat-2-19.2E: not read: an update reads at most 0 KB");
  // Once the bytes are spent nothing more is asked for; past the tables, not even listed.
  EXPECT_EQ(server_.Requests("/dvb-s/Sat-2-19.2E"), 0);
  EXPECT_EQ(server_.Requests("/dvb-s/Astra-1L-19.2E"), 0);
}

TEST_F(ScanTableDownloadTest, ASilentListingMeansTheSourceCannotBeReached) {
  server_.Script("/dvb-s/", Kind::kSilent);
  ScanTableDownload download(server_.Url("/dvb-s/"), {192}, {"Astra-19.2E"}, Short());
  EXPECT_THAT(Run(download), IsEmpty());
  EXPECT_EQ(download.GetOutcome(), ScanTableDownload::Outcome::kUnreachable);
  EXPECT_THAT(download.Message().toStdString(), HasSubstr("cannot be reached: no data for 1.5 s"));
}

// A port nobody listens on: the connection is refused, as when offline.
QString RefusedUrl() {
  QTcpServer closed;
  closed.listen(QHostAddress::LocalHost);
  const quint16 port = closed.serverPort();
  closed.close();
  return QString("http://127.0.0.1:%1/dvb-s/").arg(port);
}

class ScanTableFetchTest : public ScanTableDownloadTest {
 protected:
  void SetUp() override {
    ScanTableDownloadTest::SetUp();
    folder_ = UniqueTempPath("installed");
    std::filesystem::create_directories(folder_);
    std::ofstream(std::filesystem::path(folder_) / "Astra-19.2E") << "installed";
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  void Run(ScanTableFetch& fetch) {
    QSignalSpy finished(&fetch, &ScanTableFetch::finished);
    fetch.Start();
    EXPECT_TRUE(finished.wait(kWaitMs));
    EXPECT_EQ(finished.count(), 1);
  }

  std::string folder_;
};

TEST_F(ScanTableFetchTest, OfflineTheInstalledTablesStandIn) {
  ScanTableFetch fetch(RefusedUrl(), QString::fromStdString(folder_), {192}, MakeLinkedDownload,
                       Short());
  Run(fetch);
  ASSERT_EQ(fetch.GetOutcome(), ScanTableFetch::Outcome::kDone);
  ASSERT_EQ(fetch.Tables().tables.size(), 1u);
  EXPECT_EQ(fetch.Tables().tables[0].text, "installed");
  EXPECT_EQ(fetch.Tables().source, folder_);
  ASSERT_EQ(fetch.Tables().notes.size(), 1u);
  EXPECT_THAT(fetch.Tables().notes[0], HasSubstr("cannot be reached"));
  EXPECT_THAT(fetch.Tables().notes[0], HasSubstr("were used instead"));
}

TEST_F(ScanTableFetchTest, OfflineWithoutInstalledTablesSaysSo) {
  ScanTableFetch fetch(RefusedUrl(), QString::fromStdString(folder_ + "/missing"), {192},
                       MakeLinkedDownload, Short());
  Run(fetch);
  EXPECT_EQ(fetch.GetOutcome(), ScanTableFetch::Outcome::kFailed);
  EXPECT_THAT(fetch.Message().toStdString(), HasSubstr("cannot be reached"));
  EXPECT_THAT(fetch.Message().toStdString(), HasSubstr("cannot be read either"));
  EXPECT_THAT(fetch.Tables().tables, IsEmpty());
}

TEST_F(ScanTableFetchTest, AFolderSourceIsReadWithoutTheNetwork) {
  ScanTableFetch fetch(QString::fromStdString(folder_), QString(), {192, -50}, MakeLinkedDownload,
                       Short());
  Run(fetch);
  ASSERT_EQ(fetch.GetOutcome(), ScanTableFetch::Outcome::kDone);
  ASSERT_EQ(fetch.Tables().tables.size(), 1u);
  EXPECT_EQ(server_.Requests("/dvb-s/"), 0);
}

// The editor's downloads run in its network module, built beside the tests.
DownloadMaker ModuleDownloads() {
  return ModuleDownloadMaker({QStringLiteral(VQ_NETWORK_MODULE_DIR)});
}

TEST_F(ScanTableFetchTest, TheNetworkModuleDownloadsAndReportsProgress) {
  ScanTableFetch fetch(server_.Url("/dvb-s/"), QString(), {192}, ModuleDownloads(), Short());
  QSignalSpy progress(&fetch, &ScanTableFetch::progress);
  Run(fetch);
  ASSERT_EQ(fetch.GetOutcome(), ScanTableFetch::Outcome::kDone);
  ASSERT_EQ(fetch.Tables().tables.size(), 2u);
  EXPECT_EQ(fetch.Tables().tables[0].name, "Astra-19.2E");
  EXPECT_THAT(fetch.Tables().tables[0].text, HasSubstr("11494"));
  EXPECT_GE(progress.count(), 3) << "listing, two tables";
}

TEST_F(ScanTableFetchTest, AMissingNetworkModuleIsReportedLikeAnUnreachableSource) {
  const DownloadMaker missing = ModuleDownloadMaker({QString::fromStdString(folder_)});
  ScanTableFetch fallback(server_.Url("/dvb-s/"), QString::fromStdString(folder_), {192}, missing,
                          Short());
  Run(fallback);
  ASSERT_EQ(fallback.GetOutcome(), ScanTableFetch::Outcome::kDone);
  ASSERT_EQ(fallback.Tables().notes.size(), 1u);
  EXPECT_THAT(fallback.Tables().notes[0],
              HasSubstr("network part of the program cannot be loaded"));
  EXPECT_THAT(fallback.Tables().notes[0], HasSubstr("were used instead"));

  ScanTableFetch alone(server_.Url("/dvb-s/"), QString(), {192}, missing, Short());
  Run(alone);
  EXPECT_EQ(alone.GetOutcome(), ScanTableFetch::Outcome::kFailed);
  EXPECT_THAT(alone.Message().toStdString(), HasSubstr(DownloadModuleFileName().toStdString()));
  EXPECT_EQ(server_.Requests("/dvb-s/"), 0);
}

TEST_F(ScanTableFetchTest, CancelDuringADownloadLeavesNoTables) {
  server_.Script("/dvb-s/Astra-1L-19.2E", Kind::kSilent);
  DownloadLimits patient = Short();
  patient.idleMs = patient.requestMs = kWaitMs;
  ScanTableFetch fetch(server_.Url("/dvb-s/"), QString(), {192}, ModuleDownloads(), patient);
  QSignalSpy finished(&fetch, &ScanTableFetch::finished);
  server_.onRequest = [&](const QByteArray& path) {
    if (path.endsWith("Astra-1L-19.2E")) fetch.Cancel();
  };
  fetch.Start();
  EXPECT_TRUE(finished.wait(kWaitMs));
  EXPECT_EQ(fetch.GetOutcome(), ScanTableFetch::Outcome::kCancelled);
  EXPECT_THAT(fetch.Tables().tables, IsEmpty());
  EXPECT_EQ(server_.Requests("/dvb-s/Astra-1L-19.2E"), 1);
  server_.onRequest = nullptr;
}

}  // namespace
}  // namespace vq::test
