#include "retrieval/reply_reader.h"

#include <algorithm>

namespace {

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool sameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

bool containsText(std::string_view haystack, std::string_view needle)
{
    std::string h(haystack), n(needle);
    std::transform(h.begin(), h.end(), h.begin(), lower);
    std::transform(n.begin(), n.end(), n.begin(), lower);
    return h.find(n) != std::string::npos;
}

std::string trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return std::string(s);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    c = lower(c);
    return (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
}

} // namespace

void ReplyReader::fail(std::string why)
{
    m_state = State::Failed;
    m_failure = std::move(why);
    m_buffer.clear();
    m_pos = 0;
}

bool ReplyReader::isPageStatus() const { return m_status >= 200 && m_status <= 299 && !header("Location"); }

bool ReplyReader::succeeded() const { return m_state == State::Done && isPageStatus(); }

bool ReplyReader::knownToFail() const
{
    if (m_state == State::Failed)
        return true;
    return headersComplete() && !isPageStatus();
}

std::optional<std::string> ReplyReader::header(std::string_view name) const
{
    for (const auto &[key, value] : m_headers)
        if (sameText(key, name))
            return value;
    return std::nullopt;
}

bool ReplyReader::keepAlive() const
{
    for (const char *name : {"Connection", "Proxy-Connection"}) {
        const auto value = header(name);
        if (value && sameText(trimmed(*value), "keep-alive"))
            return true;
    }
    return false;
}

void ReplyReader::feed(std::string_view bytes)
{
    if (m_state == State::Failed)
        return;
    if (m_state == State::Done) {
        m_surplus += bytes.size();
        return;
    }
    m_buffer.append(bytes);
    parse();
    // Drop what has been consumed so the buffer never holds more than one unfinished piece.
    if (m_pos > 0) {
        m_buffer.erase(0, m_pos);
        m_pos = 0;
    }
}

void ReplyReader::finish()
{
    switch (m_state) {
    case State::StatusLine:
        fail(m_statusLine.empty() && m_headerBytes == 0 && m_buffer.empty()
                 ? "no reply"
                 : "reply ended in its status line");
        break;
    case State::Headers:
        fail("reply ended in its headers");
        break;
    case State::Body:
        if (m_framing == Framing::UntilClose)
            m_state = State::Done; // the close is what ends such a body
        else
            breakOff();
        break;
    case State::Done:
    case State::Failed:
        break;
    }
}

void ReplyReader::abandon()
{
    if (m_state == State::Body && m_framing != Framing::UntilClose)
        breakOff();
    else if (!finished())
        fail("no reply in time");
}

void ReplyReader::breakOff()
{
    fail(m_framing == Framing::Chunked ? "reply ended inside its chunked body"
                                       : "reply ended before its announced length");
    m_incomplete = true;
}

bool ReplyReader::takeLine(std::string &line)
{
    const size_t lf = m_buffer.find('\n', m_pos);
    if (lf == std::string::npos) {
        if (m_headerBytes + (m_buffer.size() - m_pos) > m_limits.maxHeaderBytes)
            fail("reply headers too long");
        return false;
    }
    const size_t length = lf + 1 - m_pos;
    m_headerBytes += length;
    if (m_headerBytes > m_limits.maxHeaderBytes) {
        fail("reply headers too long");
        return false;
    }
    line.assign(m_buffer, m_pos, lf - m_pos);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    m_pos = lf + 1;
    return true;
}

void ReplyReader::parse()
{
    std::string line;
    while (m_state == State::StatusLine || m_state == State::Headers) {
        if (!takeLine(line))
            return;
        if (m_state == State::StatusLine)
            parseStatusLine(line);
        else if (line.empty())
            headersEnded();
        else
            parseHeaderLine(line);
    }
    if (m_state == State::Body) {
        parseBody();
    } else if (m_state == State::Done) {
        // A reply without a body ends with its headers; what came in the same piece after them is
        // surplus, just as it is when it comes in a later piece.
        m_surplus += m_buffer.size() - m_pos;
        m_pos = m_buffer.size();
    }
}

void ReplyReader::parseStatusLine(const std::string &line)
{
    // "HTTP/x.y NNN reason", the reason phrase optional.
    const bool shaped = line.size() >= 12 && line.compare(0, 5, "HTTP/") == 0;
    const size_t space = line.find(' ');
    if (!shaped || space == std::string::npos || space + 4 > line.size() || !isDigit(line[space + 1]) ||
        !isDigit(line[space + 2]) || !isDigit(line[space + 3]) ||
        (space + 4 < line.size() && line[space + 4] != ' ')) {
        fail("not an HTTP status line");
        return;
    }
    m_status = (line[space + 1] - '0') * 100 + (line[space + 2] - '0') * 10 + (line[space + 3] - '0');
    m_statusLine = line;
    m_headers.clear();
    m_state = State::Headers;
}

void ReplyReader::parseHeaderLine(const std::string &line)
{
    const size_t colon = line.find(':');
    if (colon == std::string::npos || colon == 0)
        return; // not a header: ignored
    m_headers.emplace_back(trimmed(std::string_view(line).substr(0, colon)),
                           trimmed(std::string_view(line).substr(colon + 1)));
}

void ReplyReader::headersEnded()
{
    if (m_status == 100) { // interim reply: the real one follows
        m_state = State::StatusLine;
        return;
    }
    m_state = State::Body;
    const auto transfer = header("Transfer-Encoding");
    const auto length = header("Content-Length");
    if ((m_status >= 100 && m_status <= 199) || m_status == 204 || m_status == 304) {
        m_framing = Framing::None;
    } else if (transfer && containsText(*transfer, "chunked")) {
        m_framing = Framing::Chunked;
        m_chunkPart = ChunkPart::Size;
    } else if (length) {
        const std::string digits = trimmed(*length);
        if (digits.empty() || digits.size() > 18 || !std::all_of(digits.begin(), digits.end(), isDigit)) {
            fail("bad Content-Length");
            return;
        }
        m_remaining = std::stoull(digits);
        if (m_remaining > m_limits.maxBodyBytes) {
            fail("reply body too large");
            return;
        }
        m_framing = m_remaining == 0 ? Framing::None : Framing::Length;
        // Room for the announced body at once: a large page is not copied again each time it grows.
        m_body.reserve(static_cast<size_t>(m_remaining));
    } else {
        m_framing = Framing::UntilClose;
    }
    if (m_framing == Framing::None)
        m_state = State::Done;
}

void ReplyReader::appendBody(std::string_view bytes)
{
    if (m_body.size() + bytes.size() > m_limits.maxBodyBytes) {
        fail("reply body too large");
        return;
    }
    m_body.append(bytes);
}

bool ReplyReader::takeRemaining()
{
    const std::string_view rest = std::string_view(m_buffer).substr(m_pos);
    const auto take = static_cast<size_t>(std::min<uint64_t>(m_remaining, rest.size()));
    appendBody(rest.substr(0, take));
    if (m_state == State::Failed)
        return false;
    m_pos += take;
    m_remaining -= take;
    return m_remaining == 0;
}

void ReplyReader::replyEnded()
{
    m_state = State::Done;
    m_surplus += m_buffer.size() - m_pos;
    m_pos = m_buffer.size();
}

void ReplyReader::parseBody()
{
    switch (m_framing) {
    case Framing::UntilClose:
        appendBody(std::string_view(m_buffer).substr(m_pos));
        m_pos = m_buffer.size();
        break;
    case Framing::Length:
        if (takeRemaining())
            replyEnded();
        break;
    case Framing::Chunked:
        parseChunked();
        break;
    case Framing::None:
        break;
    }
}

void ReplyReader::parseChunked()
{
    std::string line;
    while (m_state == State::Body) {
        if (m_chunkPart == ChunkPart::Data) {
            if (!takeRemaining())
                return;
            m_chunkPart = ChunkPart::DataEnd;
            continue;
        }
        // Each chunk line gets the header budget, so an endless size or trailer line cannot grow memory.
        m_headerBytes = 0;
        if (!takeLine(line))
            return;
        if (m_chunkPart == ChunkPart::DataEnd) {
            if (!line.empty()) {
                fail("chunk data not followed by a line end");
                return;
            }
            m_chunkPart = ChunkPart::Size;
        } else if (m_chunkPart == ChunkPart::Size) {
            const std::string size = trimmed(std::string_view(line).substr(0, line.find(';')));
            uint64_t value = 0;
            bool ok = !size.empty();
            for (const char c : size) {
                const int digit = hexValue(c);
                if (digit < 0 || value > (UINT64_MAX >> 4)) {
                    ok = false;
                    break;
                }
                value = (value << 4) | static_cast<uint64_t>(digit);
            }
            if (!ok) {
                fail("bad chunk size");
                return;
            }
            if (value > m_limits.maxBodyBytes - m_body.size()) {
                fail("reply body too large");
                return;
            }
            m_remaining = value;
            m_chunkPart = value == 0 ? ChunkPart::Trailer : ChunkPart::Data;
        } else if (line.empty()) { // end of the trailer
            replyEnded();
        }
    }
}
