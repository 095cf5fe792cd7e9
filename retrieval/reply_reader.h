#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// An incremental reader of one HTTP/1.x reply. Fed bytes in pieces of any size, then told when the peer
// closed; it knows nothing of sockets.
class ReplyReader {
public:
    struct Limits {
        size_t maxHeaderBytes = size_t{64} * 1024;
        size_t maxBodyBytes = size_t{32} * 1024 * 1024;
    };

    enum class State { StatusLine, Headers, Body, Done, Failed };

    ReplyReader() = default;
    explicit ReplyReader(Limits limits) : m_limits(limits) {}

    void feed(std::string_view bytes);
    // The peer closed the connection: no more bytes will come.
    void finish();
    // Reading stops here (a time-out or a broken connection): a reply not yet read to its end fails.
    void abandon();

    State state() const { return m_state; }
    bool finished() const { return m_state == State::Done || m_state == State::Failed; }
    // A 2xx status and no Location header: the reply is meant to carry the page.
    bool isPageStatus() const;
    // Done with a page status.
    bool succeeded() const;
    // The headers of the final reply are in and they already say it fails.
    bool knownToFail() const;
    bool headersComplete() const { return m_state == State::Body || m_state == State::Done; }

    int status() const { return m_status; }
    // The final reply's status line without its line end; empty when none was received.
    const std::string &statusLine() const { return m_statusLine; }
    std::optional<std::string> header(std::string_view name) const;
    std::string location() const { return header("Location").value_or(std::string()); }
    // "Connection" or "Proxy-Connection" says keep-alive.
    bool keepAlive() const;
    const std::string &body() const { return m_body; }
    // Hands the body over; the reader holds none after.
    std::string takeBody() { return std::move(m_body); }
    // Bytes received after the end of the reply.
    size_t surplus() const { return m_surplus; }
    const std::string &failure() const { return m_failure; }
    // The reply broke off inside a body that announced its length or came in chunks: part of a page is
    // not a page, so such a reply has failed.
    bool incomplete() const { return m_incomplete; }
    // The reply is read and its body had no length: only the connection's end closed it.
    bool bodyEndedByClose() const { return m_state == State::Done && m_framing == Framing::UntilClose; }

private:
    enum class Framing { None, Length, Chunked, UntilClose };
    enum class ChunkPart { Size, Data, DataEnd, Trailer };

    void fail(std::string why);
    // The connection ended inside a framed body.
    void breakOff();
    bool takeLine(std::string &line);
    void parse();
    void parseStatusLine(const std::string &line);
    void parseHeaderLine(const std::string &line);
    void headersEnded();
    void parseBody();
    void parseChunked();
    void appendBody(std::string_view bytes);
    // Moves up to the outstanding count of buffered bytes into the body; true once all have arrived.
    bool takeRemaining();
    void replyEnded();

    Limits m_limits;
    State m_state = State::StatusLine;
    std::string m_buffer;
    size_t m_pos = 0;
    size_t m_headerBytes = 0;
    int m_status = 0;
    std::string m_statusLine;
    std::vector<std::pair<std::string, std::string>> m_headers;
    Framing m_framing = Framing::None;
    uint64_t m_remaining = 0;
    ChunkPart m_chunkPart = ChunkPart::Size;
    std::string m_body;
    size_t m_surplus = 0;
    std::string m_failure;
    bool m_incomplete = false;
};
