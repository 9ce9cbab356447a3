// ortaq-host serve as a page or a stranger reaches it: what it refuses and how, that it
// goes on after a refusal, that what the page did replays to the same state, and that it
// quits cleanly.
#include <gtest/gtest.h>
#include <httplib.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "emulator/common/json.h"
#include "tests/support/run_command.h"

namespace {

const std::string kHost = ORTAQ_HOST_PATH;
const std::string kPlugin = ORTAQ_PLUGIN_PATH;

// One ortaq-host serve on a free port, for one test. It is asked to quit at the end.
class Server {
  public:
    explicit Server(const std::string& options) {
        // The shell tells its process number, which the program then takes over.
        pipe_ = popen(("echo $$; exec " + kHost + " serve --port 0 --plugin " + kPlugin + " " +
                       options + " 2>/dev/null")
                          .c_str(),
                      "r");
        char line[512] = {};
        if (pipe_ == nullptr || fgets(line, sizeof line, pipe_) == nullptr) return;
        pid_ = static_cast<pid_t>(std::stol(line));
        if (fgets(line, sizeof line, pipe_) == nullptr) return;
        std::smatch match;
        std::string text = line;
        if (std::regex_search(text, match,
                              std::regex(R"(http://127\.0\.0\.1:(\d+)/\?token=([0-9a-f]{32}) )"))) {
            port = std::stoi(match[1]);
            token = match[2];
        }
    }
    ~Server() {
        if (pipe_ != nullptr) Quit();
    }
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // The page's client: it carries the token's cookie, as the browser does once the page
    // opened the printed address.
    httplib::Client Client() const {
        httplib::Client client = Stranger();
        client.set_default_headers({{"Cookie", CookieName() + "=" + token}});
        return client;
    }
    // Anyone else on this machine: no cookie.
    httplib::Client Stranger() const { return httplib::Client("127.0.0.1", port); }
    std::string CookieName() const { return "ortaq_token_" + std::to_string(port); }

    // Asks the host to quit as the page does, and answers its exit status.
    int Quit() {
        Client().Post("/quit", "", "text/plain");
        return Ended();
    }
    // Quits it as Ctrl-C does, and answers its exit status.
    int Interrupt() {
        kill(pid_, SIGINT);
        return Ended();
    }

    int port = 0;
    std::string token;

  private:
    int Ended() {
        int status = pclose(pipe_);
        pipe_ = nullptr;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    FILE* pipe_ = nullptr;
    pid_t pid_ = 0;
};

emulator::Json Body(const httplib::Result& result) {
    return emulator::Json::parse(result->body);
}

class ServeProgram : public ::testing::Test {
  protected:
    void SetUp() override { dir_ = TemporaryDirectory(); }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // Plays LINE as the page does; fails the test unless the host answers STATUS.
    emulator::Json Act(Server& server, const std::string& line, int status = 200) {
        httplib::Result result = server.Client().Post("/action", line, "text/plain");
        EXPECT_TRUE(result) << line;
        if (!result) return {};
        EXPECT_EQ(result->status, status) << line << ": " << result->body;
        return Body(result);
    }

    std::string dir_;
};

struct Refusal {
    const char* what;
    const char* method;
    std::string path;
    httplib::Headers headers;
    std::string body;
    int status;
    const char* reason;  // found in the answer's "error"
};

TEST_F(ServeProgram, RefusesWhatIsNotThePagesAndGoesOn) {
    Server server("");
    ASSERT_NE(server.port, 0);
    const std::string port = std::to_string(server.port);
    const std::vector<Refusal> refusals = {
        {"a foreign Host",
         "GET",
         "/screen",
         {{"Host", "rebound.example:" + port}},
         "",
         403,
         "another host"},
        {"the right name on another port",
         "GET",
         "/screen",
         {{"Host", "127.0.0.1:1"}},
         "",
         403,
         "another host"},
        {"a foreign Origin",
         "POST",
         "/action",
         {{"Origin", "http://rebound.example"}},
         "start",
         403,
         "another site"},
        {"an Origin on another port",
         "POST",
         "/action",
         {{"Origin", "http://127.0.0.1:1"}},
         "start",
         403,
         "another site"},
        {"no token", "GET", "/state", {{"Cookie", "other=1"}}, "", 403, "token"},
        {"another session's token",
         "POST",
         "/action",
         {{"Cookie", "ortaq_token_" + port + "=" + std::string(32, '0')}},
         "start",
         403,
         "token"},
        {"the token of a server on another port",
         "POST",
         "/quit",
         {{"Cookie", "ortaq_token_1=" + server.token}},
         "",
         403,
         "token"},
        {"the page's file without the token", "GET", "/", {{"Cookie", ""}}, "", 403, "token"},
        {"an address with another token",
         "GET",
         "/?token=" + std::string(32, '0'),
         {},
         "",
         403,
         "not this session's"},
        {"a body over the bound",
         "POST",
         "/action",
         {},
         std::string(5000, 'x'),
         413,
         "longer than"},
        {"an unknown action", "POST", "/action", {}, "paint 1 2", 400, "unknown action"},
        {"an action of the wrong shape", "POST", "/action", {}, "move 1", 400, "usage: move X Y"},
        {"two lines at once", "POST", "/action", {}, "start\nquit", 400, "more than one line"},
        {"no action", "POST", "/action", {}, "# only a comment", 400, "no action"},
        {"text that is not UTF-8", "POST", "/action", {}, "menu \"\xff\"", 400, "UTF-8"},
        {"a path out of the page's folder", "GET", "/../CMakeLists.txt", {}, "", 404, "no file"},
        {"an encoded path out of it", "GET", "/%2e%2e/CMakeLists.txt", {}, "", 404, "no file"},
        {"a file of the program's folder", "GET", "/libortaq.so", {}, "", 404, "no file"},
        {"a path that is not UTF-8", "GET", "/%ff%fe", {}, "", 404, "no file"},
        {"a Host that is not UTF-8", "GET", "/screen", {{"Host", "\xff"}}, "", 403, "another host"},
        {"a cursor the plug-in lacks", "GET", "/cursor/1", {}, "", 404, "no cursor"},
        {"an action the host cannot carry out now",
         "POST",
         "/action",
         {},
         "alert ok",
         409,
         "no alert"},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        httplib::Client client = server.Client();
        httplib::Result result =
            std::string(refusal.method) == "GET"
                ? client.Get(refusal.path.c_str(), refusal.headers)
                : client.Post(refusal.path.c_str(), refusal.headers, refusal.body, "text/plain");
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, refusal.status) << result->body;
        EXPECT_NE(Body(result).value("error", "").find(refusal.reason), std::string::npos)
            << result->body;
    }
    // The host is still there, and nothing refused was recorded.
    emulator::Json screen = Act(server, "start");
    EXPECT_TRUE(screen["state"]["plugin"]["started"].get<bool>());
    httplib::Result scenario = server.Client().Get("/scenario");
    ASSERT_TRUE(scenario);
    EXPECT_NE(scenario->body.find("\nstart\n"), std::string::npos);
    EXPECT_EQ(scenario->body.find("alert ok"), std::string::npos) << scenario->body;
    EXPECT_EQ(server.Quit(), 0);
}

TEST_F(ServeProgram, AcceptsItsOwnNamesAndServesThePage) {
    Server server("");
    ASSERT_NE(server.port, 0);
    const std::string port = std::to_string(server.port);
    for (const httplib::Headers& headers :
         {httplib::Headers{{"Host", "localhost:" + port}},
          httplib::Headers{{"Host", "127.0.0.1:" + port}, {"Origin", "http://localhost:" + port}},
          httplib::Headers{{"Origin", "http://127.0.0.1:" + port}}}) {
        httplib::Result result = server.Client().Get("/", headers);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, 200);
        EXPECT_NE(result->body.find("<html"), std::string::npos);
    }
    httplib::Result icon = server.Client().Get("/icon/16051");
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->status, 200);
    EXPECT_EQ(icon->get_header_value("Content-Type"), "image/x-icon");
    // An .ico file: reserved 0, type 1, one image.
    EXPECT_EQ(icon->body.substr(0, 6), std::string("\0\0\1\0\1\0", 6));
}

// Sends REQUEST as it stands on a connection of its own and answers what comes back before
// the server closes it or a second passes.
std::string RawExchange(int port, const std::string& request) {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string answer;
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        send(fd, request.data(), request.size(), MSG_NOSIGNAL) ==
            static_cast<ssize_t>(request.size())) {
        timeval second{1, 0};
        setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &second, sizeof second);
        char chunk[4096];
        for (ssize_t n; (n = recv(fd, chunk, sizeof chunk, 0)) > 0;)
            answer.append(chunk, static_cast<size_t>(n));
    }
    close(fd);
    return answer;
}

// Opening the printed address gives the page the token as a cookie no script reads and no
// other site sends; every answer forbids other sites to frame it; the server answers
// whole, whatever parts are asked, and refuses an over-size body before reading it.
TEST_F(ServeProgram, TheAddressGivesThePageItsTokenAndAnswersStayThePages) {
    Server server("");
    ASSERT_NE(server.port, 0);
    httplib::Result opened = server.Stranger().Get(("/?token=" + server.token).c_str());
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->status, 303);
    EXPECT_EQ(opened->get_header_value("Location"), "/");
    EXPECT_EQ(opened->get_header_value("Set-Cookie"),
              server.CookieName() + "=" + server.token + "; Path=/; HttpOnly; SameSite=Strict");

    httplib::Result page = server.Client().Get("/");
    httplib::Result refused = server.Stranger().Get("/state");
    httplib::Result missing = server.Client().Get("/nothing.js");
    for (const httplib::Result* answer : {&opened, &page, &refused, &missing}) {
        ASSERT_TRUE(*answer);
        SCOPED_TRACE((*answer)->status);
        EXPECT_EQ((*answer)->get_header_value("X-Frame-Options"), "DENY");
        EXPECT_EQ((*answer)->get_header_value("Content-Security-Policy"), "frame-ancestors 'none'");
    }
    EXPECT_EQ(page->status, 200);
    EXPECT_EQ(refused->status, 403);

    std::string parts = "bytes=0-";
    for (int n = 1; n < 2700; ++n) parts += ",0-";
    httplib::Result whole = server.Client().Get("/state");
    httplib::Result ranged = server.Client().Get("/state", {{"Range", parts}});
    ASSERT_TRUE(whole && ranged);
    EXPECT_EQ(ranged->status, 200);
    EXPECT_EQ(ranged->body.size(), whole->body.size());

    // A gigabyte announced and never sent: the answer comes at once.
    std::string answer = RawExchange(
        server.port, "POST /action HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(server.port) +
                         "\r\nCookie: " + server.CookieName() + "=" + server.token +
                         "\r\nContent-Length: 1000000000\r\n\r\n");
    EXPECT_EQ(answer.substr(0, 12), "HTTP/1.1 413") << answer;
    EXPECT_EQ(server.Quit(), 0);
}

// The system keeps many connections waiting for the server, not the usual handful; and no
// second server takes the same port beside it.
TEST_F(ServeProgram, ManyClientsWaitAndThePortIsItsOwn) {
    Server server("");
    ASSERT_NE(server.port, 0);
    const std::string port = std::to_string(server.port);
    // For a listening socket, ss shows the queue's length as Send-Q.
    CommandResult listening = RunCommand("ss -ltnH 'sport = :" + port + "'");
    ASSERT_EQ(listening.status, 0) << listening.err;
    std::istringstream fields(listening.out);
    std::string state, waiting, queue;
    fields >> state >> waiting >> queue;
    EXPECT_EQ(queue, "256") << listening.out;
    CommandResult second =
        RunCommand("timeout 10 " + kHost + " serve --port " + port + " --plugin " + kPlugin);
    EXPECT_EQ(second.status, 1);
    EXPECT_NE(second.err.find("cannot listen on 127.0.0.1:" + port), std::string::npos)
        << second.err;
    EXPECT_EQ(server.Quit(), 0);
}

// Clients that open connections and send their requests a byte now and then, more of them
// than the server has threads to answer: the page is answered all along.
TEST_F(ServeProgram, ClientsSendingSlowlyDoNotStallThePage) {
    Server server("");
    ASSERT_NE(server.port, 0);
    std::vector<int> slow;
    for (int k = 0; k < 64; ++k) {
        int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(server.port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ASSERT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        const std::string start = "GET /state HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Slow: ";
        send(fd, start.data(), start.size(), MSG_NOSIGNAL);
        slow.push_back(fd);
    }
    for (const char* line : {"start", "click 100 100"}) {
        SCOPED_TRACE(line);
        httplib::Result answer = server.Client().Post("/action", line, "text/plain");
        ASSERT_TRUE(answer);
        EXPECT_EQ(answer->status, 200) << answer->body;
    }
    for (int fd : slow) close(fd);
    EXPECT_EQ(server.Quit(), 0);
}

// The page's Quit while a dialog opened from the panel is open: the dialog is closed for
// the user, the procedure under it returns, and only then is the plug-in shut down; the
// preferences and the state are written.
TEST_F(ServeProgram, QuittingUnderADialogOfThePanelWaitsForItsCodeToReturn) {
    Server server("--json " + dir_ + "/served.json --prefs " + dir_ + "/prefs.json");
    ASSERT_NE(server.port, 0);
    for (const char* line : {"start", "menu \"Masquer KVT.Ortaq\"", "menu \"Afficher KVT.Ortaq\"",
                             "panel choose 20 20"})
        Act(server, line);
    emulator::Json refused = Act(server, "quit");
    ASSERT_EQ(refused["notices"].size(), 1u);
    EXPECT_NE(refused["notices"][0].get<std::string>().find("`quit` reaches nothing under it"),
              std::string::npos);
    EXPECT_EQ(server.Quit(), 0);
    emulator::Json state = emulator::Json::parse(ReadTextFile(dir_ + "/served.json"));
    EXPECT_FALSE(state["plugin"]["started"].get<bool>());
    EXPECT_EQ(state["memory"]["blocks"].size(), 0u);
    EXPECT_EQ(state["errors"].size(), 0u);
    EXPECT_TRUE(std::filesystem::exists(dir_ + "/prefs.json"));
}

// What the page did, saved as a scenario, replays in ortaq-host play to the state the host
// had when it quit: the page and play run the same actions in the same way.
TEST_F(ServeProgram, WhatThePageDidReplaysToTheSameState) {
    Server server("--json " + dir_ + "/served.json --prefs " + dir_ + "/prefs.json");
    ASSERT_NE(server.port, 0);
    for (const char* line :
         {"start", "select-tool", "click 100 700", "move 250 690.5", "click 250 690.5",
          "click 260 560", "hold shift", "click 110 580", "release shift", "move 250 690.5",
          "panel type 3 \"40\"", "panel menu 6", "dialog click 2", "zoom 2", "snapshot end"})
        Act(server, line);
    Act(server, "down 1 1", 200);
    Act(server, "down 1 1", 409);  // the button is already down: not recorded
    Act(server, "up 1 1", 200);
    httplib::Result scenario = server.Client().Get("/scenario");
    ASSERT_TRUE(scenario);
    WriteTextFile(dir_ + "/saved.scn", scenario->body);
    ASSERT_EQ(server.Quit(), 0);

    CommandResult played =
        RunCommand("timeout 60 " + kHost + " play " + dir_ + "/saved.scn --plugin " + kPlugin +
                   " --json " + dir_ + "/played.json");
    ASSERT_EQ(played.status, 0) << played.err;
    emulator::Json served = emulator::Json::parse(ReadTextFile(dir_ + "/served.json"));
    emulator::Json replayed = emulator::Json::parse(ReadTextFile(dir_ + "/played.json"));
    // What differs, as a JSON patch from the served state to the replayed one.
    EXPECT_EQ(emulator::Json::diff(served, replayed), emulator::Json::array());
    EXPECT_FALSE(served["document"]["layers"][0]["art"].empty());
    EXPECT_TRUE(std::filesystem::exists(dir_ + "/prefs.json"));
}

// Ctrl-C quits the host as the page's Quit does: the plug-in is shut down, its preferences
// are written and the state is left.
TEST_F(ServeProgram, InterruptedItQuitsCleanly) {
    Server server("--json " + dir_ + "/served.json --prefs " + dir_ + "/prefs.json");
    ASSERT_NE(server.port, 0);
    Act(server, "start");
    Act(server, "select-tool");
    ASSERT_EQ(server.Interrupt(), 0);
    emulator::Json state = emulator::Json::parse(ReadTextFile(dir_ + "/served.json"));
    EXPECT_FALSE(state["plugin"]["started"].get<bool>());
    EXPECT_EQ(state["calls"].back()["selector"], "Shutdown");
    emulator::Json prefs = emulator::Json::parse(ReadTextFile(dir_ + "/prefs.json"));
    EXPECT_TRUE(prefs.contains("Ortaq")) << prefs.dump();
}

}  // namespace
