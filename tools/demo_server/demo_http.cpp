#include "tools/demo_server/demo_http.h"

#include "tools/demo_server/demo_pages.h"

#include <QList>
#include <optional>

namespace {

constexpr qsizetype maxHeaderBytes = qsizetype{64} * 1024;
constexpr qsizetype maxBodyBytes = qsizetype{1024} * 1024;

const QByteArray rosterPath = "/xml/school/roster.php";

std::optional<qsizetype> contentLength(const QList<QByteArray> &headerLines)
{
    for (const QByteArray &line : headerLines) {
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || line.left(colon).trimmed().toLower() != "content-length")
            continue;
        bool ok = false;
        const qlonglong length = line.mid(colon + 1).trimmed().toLongLong(&ok);
        if (!ok || length < 0)
            return std::nullopt;
        return static_cast<qsizetype>(length);
    }
    return 0;
}

// Strips "http://host:port" from the absolute form a proxy receives.
QByteArray originForm(const QByteArray &target)
{
    if (!target.toLower().startsWith("http://"))
        return target;
    const qsizetype slash = target.indexOf('/', 7);
    return slash < 0 ? QByteArray("/") : target.mid(slash);
}

bool isDecimalInteger(const QByteArray &text)
{
    const qsizetype start = text.startsWith('-') ? 1 : 0;
    if (text.size() <= start || text.size() - start > 10)
        return false;
    for (qsizetype i = start; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
    }
    return true;
}

DemoReply reply(int status, const QByteArray &reason, std::string body, const QByteArray &kind,
                const QByteArray &idText)
{
    DemoReply r;
    r.status = status;
    r.reason = reason;
    r.body = std::move(body);
    r.pageKind = kind;
    r.idText = idText.isEmpty() ? QByteArray("-") : idText;
    return r;
}

DemoReply failure(int status, const QByteArray &reason, const QByteArray &idText)
{
    return reply(status, reason, errorPage(status, reason.toStdString()), "error", idText);
}

} // namespace

DemoRequestState parseDemoRequest(const QByteArray &received, DemoRequest &request)
{
    qsizetype headerEnd = received.indexOf("\r\n\r\n");
    qsizetype separator = 4;
    const qsizetype bareEnd = received.indexOf("\n\n");
    if (bareEnd >= 0 && (headerEnd < 0 || bareEnd < headerEnd)) {
        headerEnd = bareEnd;
        separator = 2;
    }
    if (headerEnd < 0)
        return received.size() > maxHeaderBytes ? DemoRequestState::Malformed : DemoRequestState::Incomplete;

    QList<QByteArray> lines = received.left(headerEnd).split('\n');
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    const QList<QByteArray> requestLine = lines.value(0).split(' ');
    if (requestLine.size() != 3 || requestLine[0].isEmpty() || requestLine[1].isEmpty() ||
        !requestLine[2].startsWith("HTTP/"))
        return DemoRequestState::Malformed;

    const std::optional<qsizetype> length = contentLength(lines.mid(1));
    if (!length || *length > maxBodyBytes)
        return DemoRequestState::Malformed;
    const qsizetype bodyStart = headerEnd + separator;
    if (received.size() - bodyStart < *length)
        return DemoRequestState::Incomplete;

    request.method = requestLine[0];
    request.target = requestLine[1];
    request.body = received.mid(bodyStart, *length);
    return DemoRequestState::Complete;
}

DemoReply answerDemoRequest(const DemoRequest &request, const DemoCatalogue &catalogue,
                            const DemoServerOptions &options, DemoWeekSquads &squads)
{
    const QByteArray target = originForm(request.target);
    const qsizetype question = target.indexOf('?');
    const QByteArray path = question < 0 ? target : target.left(question);
    const QByteArray query = question < 0 ? QByteArray() : target.mid(question + 1);

    QByteArray idText;
    bool abilities = false;
    for (const QByteArray &pair : query.split('&')) {
        const qsizetype equals = pair.indexOf('=');
        const QByteArray name = equals < 0 ? pair : pair.left(equals);
        const QByteArray value = equals < 0 ? QByteArray() : pair.mid(equals + 1);
        if (name == "id" && idText.isEmpty())
            idText = value;
        else if (name == "act")
            abilities = value == "abilities";
    }

    if (options.maintenance)
        return reply(200, "OK", maintenancePage(), "maintenance", idText);
    if (path != rosterPath)
        return failure(404, "Not Found", idText);
    if (request.method != "POST")
        return failure(405, "Method Not Allowed", idText);

    const bool numeric = isDecimalInteger(idText);
    const qlonglong id = numeric ? idText.toLongLong() : 0;
    const bool inRange = numeric && id >= INT32_MIN && id <= INT32_MAX;
    if (inRange && options.failTeams.contains(static_cast<int32_t>(id)))
        return failure(500, "Internal Server Error", idText);
    const DemoTeam *team = inRange ? catalogue.team(static_cast<int32_t>(id)) : nullptr;
    if (!team)
        return reply(200, "OK", teamNotFoundPage(), "not-found", idText);
    const PageKind kind = abilities ? PageKind::Abilities : PageKind::Talent;
    return reply(200, "OK", rosterPage(catalogue, *team, kind, squads.of(team->teamId)),
                 abilities ? "abilities" : "talent", idText);
}

QByteArray serializeDemoReply(const DemoReply &reply)
{
    QByteArray bytes = "HTTP/1.0 " + QByteArray::number(reply.status) + ' ' + reply.reason + "\r\n";
    bytes += "Content-Type: text/html; charset=windows-1251\r\n";
    bytes += "Content-Length: " + QByteArray::number(static_cast<qsizetype>(reply.body.size())) + "\r\n";
    bytes += "Connection: close\r\n\r\n";
    bytes.append(reply.body.data(), static_cast<qsizetype>(reply.body.size()));
    return bytes;
}

QByteArray demoLogLine(const DemoReply &reply)
{
    return "id=" + reply.idText + " page=" + reply.pageKind + " status=" + QByteArray::number(reply.status) +
           " bytes=" + QByteArray::number(static_cast<qsizetype>(reply.body.size()));
}

DemoReply badRequestReply() { return failure(400, "Bad Request", QByteArray()); }
