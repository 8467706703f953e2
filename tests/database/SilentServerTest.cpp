// A server that takes the connection and never answers, or stops half way, on a loopback port of
// the test's own, reached through the driver manager and the PostgreSQL ODBC driver.
#include "platform/odbc/CDatabase.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <chrono>
#include <functional>
#include <future>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace
{
using std::chrono::milliseconds;
using std::chrono::seconds;
using std::chrono::system_clock;

// The start of the next second of the wall clock.
system_clock::time_point NextSecond()
{
    return std::chrono::floor<seconds>(system_clock::now()) + seconds(1);
}

// Listens on a free loopback port; the connections it takes get no answer until it closes.
class SilentListener
{
public:
    SilentListener()
    {
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_socket < 0 || ::bind(m_socket, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            ::listen(m_socket, 4) != 0 ||
            ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        m_port = ntohs(address.sin_port);
    }
    ~SilentListener() { CloseAll(); }
    SilentListener(const SilentListener&) = delete;
    SilentListener& operator=(const SilentListener&) = delete;

    int Port() const { return m_port; }
    int Taken() const { return m_taken; }

    // Takes the connection that comes within the time; false when none came.
    bool TakeConnection(int milliseconds)
    {
        pollfd waiting{m_socket, POLLIN, 0};
        if (::poll(&waiting, 1, milliseconds) != 1)
            return false;
        m_taken = ::accept(m_socket, nullptr, nullptr);
        return m_taken >= 0;
    }

    // Ends the connections, which lets a client still waiting go.
    void CloseAll()
    {
        for (int* handle : {&m_taken, &m_socket})
            if (*handle >= 0)
                ::close(std::exchange(*handle, -1));
    }

private:
    int m_socket = -1;
    int m_taken = -1;
    int m_port = 0;
};

// Connects to the listener with a login timeout of 2 seconds; returns the first line of the
// error text, or "connected". The server's answer, if any, is answer(taken connection).
CString FirstLineOfFailure(SilentListener& server, const std::function<void(int)>& answer)
{
    CString connect;
    connect.Format("ODBC;Driver={PostgreSQL Unicode};Server=127.0.0.1;Port=%d;Database=shop;"
                   "Uid=clerk;Pwd=secret;",
                   server.Port());
    CDatabase database;
    database.SetLoginTimeout(2);
    std::future<CString> failure = std::async(std::launch::async,
                                              [&]
                                              {
                                                  try
                                                  {
                                                      database.OpenEx(connect);
                                                  }
                                                  catch (const CDBException& error)
                                                  {
                                                      return error.m_strError;
                                                  }
                                                  return CString("connected");
                                              });
    const bool reached = server.TakeConnection(10000);
    if (reached)
        answer(server.Taken());
    const bool ended = failure.wait_for(seconds(10)) == std::future_status::ready;
    // A connection still waiting is let go, so that the test ends either way.
    server.CloseAll();
    EXPECT_TRUE(reached) << "the driver reached the server";
    EXPECT_TRUE(ended) << "the connection waited past its login timeout";
    const CString text = failure.get();
    EXPECT_FALSE(database.IsOpen());
    return text.Left(text.Find('\n'));
}

TEST(SilentServerTest, AConnectionThatGetsNoAnswerEndsAtTheLoginTimeoutAndSaysSo)
{
    SilentListener server;
    ASSERT_NE(server.Port(), 0);
    EXPECT_EQ(FirstLineOfFailure(server, [](int) {}),
              "The server did not answer within 2 seconds.");
}

// The driver counts its timeout in whole seconds of the clock: an answer begun after the next
// second makes it wait only the whole seconds left, so it gives up before the 2 seconds.
TEST(SilentServerTest, AnAnswerThatStopsHalfWayIsNoAnswerAlsoWhenTheDriverGivesUpEarly)
{
    SilentListener server;
    ASSERT_NE(server.Port(), 0);
    std::this_thread::sleep_until(NextSecond() + milliseconds(500));
    const CString line =
        FirstLineOfFailure(server,
                           [](int taken)
                           {
                               char startup[512];
                               ASSERT_GT(::read(taken, startup, sizeof startup), 0);
                               std::this_thread::sleep_until(NextSecond() + milliseconds(100));
                               // The first byte of an authentication request.
                               ASSERT_EQ(::write(taken, "R", 1), 1);
                           });
    EXPECT_EQ(line, "The server did not answer within 2 seconds.");
}

TEST(SilentServerTest, TheDriversTimeoutIsKnownByItsStateOrItsMessage)
{
    struct Record
    {
        const char* state;
        const char* message;
        bool timedOut;
    };
    const Record records[] = {
        {"HYT00", "", true},
        {"HYT01", "", true},
        {"08001", "connection to server at \"127.0.0.1\", port 5432 failed: timeout expired\n",
         true},
        {"08001", "connection to server at \"127.0.0.1\", port 1 failed: Connection refused\n",
         false},
        {"08001", "could not receive data from server: Connection timed out\n", false},
        {"HY000", "", false},
    };
    for (const Record& record : records)
        EXPECT_EQ(IsTimeoutDiagnostic(record.state, record.message), record.timedOut)
            << record.state << " " << record.message;
}
} // namespace
