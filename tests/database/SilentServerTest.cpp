// A server that takes the connection and never answers, on a loopback port of the test's own,
// reached through the driver manager and the PostgreSQL ODBC driver.
#include "platform/odbc/CDatabase.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <chrono>
#include <future>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
using std::chrono::seconds;
using std::chrono::steady_clock;

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

TEST(SilentServerTest, AConnectionThatGetsNoAnswerEndsAtTheLoginTimeoutAndSaysSo)
{
    SilentListener server;
    ASSERT_NE(server.Port(), 0);
    CString connect;
    connect.Format("ODBC;Driver={PostgreSQL Unicode};Server=127.0.0.1;Port=%d;Database=shop;"
                   "Uid=clerk;Pwd=secret;",
                   server.Port());
    CDatabase database;
    database.SetLoginTimeout(2);
    const steady_clock::time_point start = steady_clock::now();
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
    EXPECT_TRUE(server.TakeConnection(10000)) << "the driver reached the server";
    const bool ended = failure.wait_for(seconds(10)) == std::future_status::ready;
    // A connection still waiting is let go, so that the test ends either way.
    server.CloseAll();
    ASSERT_TRUE(ended) << "the connection waited past its login timeout";
    const auto waited = steady_clock::now() - start;
    EXPECT_GE(waited, seconds(2));
    const CString text = failure.get();
    EXPECT_EQ(text.Left(text.Find('\n')), "The server did not answer within 2 seconds.") << text;
    EXPECT_FALSE(database.IsOpen());
}
} // namespace
