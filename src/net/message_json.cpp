#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <initializer_list>

#include "engine/board.h"
#include "engine/field_strings.h"
#include "net/message.h"
#include "net/protocol.h"

namespace tallowen::net {

namespace {

constexpr std::array kRefusals{"busy", "version", "code", "closed", "timeout"};
constexpr std::array kRequests{"undo", "restart", "new-game"};
constexpr std::array kFarewells{"left", "malformed", "oversized", "out-of-turn", "illegal"};
constexpr int kMaxColour = 0xFFFFFF;
constexpr int kChallengeHex = 32;
constexpr int kProofHex = 64;

bool isLowerHex(const std::string& s) {
    for (const char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

std::optional<int> wholeNumber(const QJsonValue& v, int lo, int hi) {
    const double d = v.toDouble();
    if (!v.isDouble() || !(d >= lo && d <= hi) || d != std::floor(d)) return std::nullopt;
    return static_cast<int>(d);
}

bool isPlainAscii(const std::string& s) {
    for (const char c : s)
        if (c < '!' || c > '~') return false;
    return true;
}

// Reads the values of one message object. A value that is missing, of the wrong kind or out of
// range spoils the whole message; the reads after it give harmless defaults.
class Fields {
public:
    explicit Fields(QJsonObject object) : o_(std::move(object)) {}

    bool hasExactly(std::initializer_list<const char*> keys) const {
        if (o_.size() != static_cast<qsizetype>(keys.size())) return false;
        for (const char* key : keys)
            if (!o_.contains(QLatin1StringView(key))) return false;
        return true;
    }
    bool ok() const { return ok_; }

    int integer(const char* key, int lo, int hi) {
        const std::optional<int> n = wholeNumber(value(key), lo, hi);
        return n ? *n : fail(0);
    }
    bool boolean(const char* key) {
        const QJsonValue v = value(key);
        return v.isBool() ? v.toBool() : fail(false);
    }
    std::string string(const char* key) {
        const QJsonValue v = value(key);
        // Half a surrogate pair would come out as a "?" that the sender never wrote.
        return v.isString() && v.toString().isValidUtf16() ? v.toString().toStdString() : fail(std::string());
    }
    std::string text(const char* key, bool mayBeEmpty) {
        std::string s = string(key);
        return isSendableText(s, mayBeEmpty) ? s : fail(std::string());
    }
    std::string hex(const char* key, int length, bool mayBeEmpty = false) {
        std::string s = string(key);
        const bool fits = (static_cast<int>(s.size()) == length || (mayBeEmpty && s.empty())) && isLowerHex(s);
        return fits ? s : fail(std::string());
    }
    template <std::size_t N>
    int choice(const char* key, const std::array<const char*, N>& names) {
        const std::string s = string(key);
        for (std::size_t i = 0; i < N; ++i)
            if (s == names[i]) return static_cast<int>(i);
        return fail(0);
    }
    std::array<int, 2> pair(const char* key, int lo, int hi) {
        const QJsonValue v = value(key);
        const QJsonArray a = v.toArray();
        if (!v.isArray() || a.size() != 2) return fail(std::array<int, 2>{});
        const std::optional<int> first = wholeNumber(a[0], lo, hi), second = wholeNumber(a[1], lo, hi);
        if (!first || !second) return fail(std::array<int, 2>{});
        return {*first, *second};
    }
    std::array<int, 2> clocks(const char* key) {
        const std::array<int, 2> c = pair(key, -4, 5400);
        return c[0] == 0 || c[1] == 0 ? fail(std::array<int, 2>{}) : c;
    }
    PlayerLooks player(const QJsonValue& v) {
        Fields p(v.toObject());
        if (!v.isObject() || !p.hasExactly({"name", "colour", "marks", "figure"})) return fail(PlayerLooks{});
        PlayerLooks looks;
        looks.name = p.text("name", false);
        looks.looks.BackColor = static_cast<Colour>(p.integer("colour", 0, kMaxColour));
        looks.looks.ForeColor = static_cast<Colour>(p.integer("marks", 0, kMaxColour));
        looks.looks.Caption = p.string("figure");
        const std::string& f = looks.looks.Caption;
        if (!p.ok() || f.size() != 1 || f[0] < '1' || f[0] > '8') return fail(PlayerLooks{});
        return looks;
    }
    PlayerLooks player(const char* key) { return player(value(key)); }
    std::array<PlayerLooks, 2> players(const char* key) {
        const QJsonValue v = value(key);
        const QJsonArray a = v.toArray();
        if (!v.isArray() || a.size() != 2) return fail(std::array<PlayerLooks, 2>{});
        return {player(a[0]), player(a[1])};
    }
    std::string gameString(const char* key) {
        std::string s = string(key);
        const bool fits = s.size() <= static_cast<std::size_t>(kMaxGameBytes) && isPlainAscii(s) && !gameStringError(s);
        return fits ? s : fail(std::string());
    }
    BoardMove move(const char* from, const char* to) {
        const std::array<int, 2> f = pair(from, 0, kMaxSide - 1);
        const std::array<int, 2> t = pair(to, 0, kMaxSide - 1);
        return {f[0], f[1], t[0], t[1]};
    }

private:
    QJsonValue value(const char* key) const { return o_.value(QLatin1StringView(key)); }
    template <typename T>
    T fail(T harmless) {
        ok_ = false;
        return harmless;
    }

    QJsonObject o_;
    bool ok_ = true;
};

std::optional<Message> readObject(const std::string& type, Fields& f) {
    if (type == "hello" && f.hasExactly({"t", "game", "version", "challenge"})) {
        if (f.string("game") != "tallowen") return std::nullopt;
        return Hello{f.integer("version", 0, kMaxMoves), f.hex("challenge", kChallengeHex)};
    }
    if (type == "join" && f.hasExactly({"t", "version", "nonce", "proof", "token", "player"}))
        return Join{f.integer("version", 0, kMaxMoves), f.hex("nonce", kChallengeHex), f.hex("proof", kProofHex),
                    f.hex("token", kChallengeHex, true), f.player("player")};
    if (type == "welcome" && f.hasExactly({"t", "proof", "token", "resume", "player"}))
        return Welcome{f.hex("proof", kProofHex), f.hex("token", kChallengeHex), f.boolean("resume"), f.player("player")};
    if (type == "refused" && f.hasExactly({"t", "reason"})) return Refused{static_cast<Refusal>(f.choice("reason", kRefusals))};
    if (type == "start" && f.hasExactly({"t", "field", "game", "rule", "times", "players", "round", "resume"})) {
        Start s;
        s.field = f.text("field", true);
        s.gameString = f.gameString("game");
        s.star = f.choice("rule", std::array{"star", "cross"}) == 0;
        s.times = f.pair("times", 0, 4);
        s.players = f.players("players");
        s.round = f.integer("round", 0, kMaxMoves);
        s.resume = f.boolean("resume");
        return s;
    }
    if (type == "move" && f.hasExactly({"t", "n", "from", "to"}))
        return Move{f.integer("n", 1, kMaxMoves), f.move("from", "to")};
    if (type == "clocks" && f.hasExactly({"t", "round", "clocks"}))
        return Clocks{f.integer("round", 0, kMaxMoves), f.clocks("clocks")};
    if (type == "ask" && f.hasExactly({"t", "what", "round", "moves"}))
        return Ask{static_cast<Request>(f.choice("what", kRequests)), f.integer("round", 0, kMaxMoves),
                   f.integer("moves", 0, kMaxMoves)};
    if (type == "answer" && f.hasExactly({"t", "allow", "round", "moves"}))
        return Answer{f.boolean("allow"), f.integer("round", 0, kMaxMoves), f.integer("moves", 0, kMaxMoves)};
    if (type == "resumed" && f.hasExactly({"t", "clocks"})) return Resumed{f.clocks("clocks")};
    if (type == "player" && f.hasExactly({"t", "player"})) return PlayerChanged{f.player("player")};
    if (type == "ping" && f.hasExactly({"t"})) return Ping{};
    if (type == "bye" && f.hasExactly({"t", "reason"})) return Bye{static_cast<Farewell>(f.choice("reason", kFarewells))};
    return std::nullopt;
}

QJsonArray pairOf(int a, int b) { return QJsonArray{a, b}; }

QJsonObject looksObject(const PlayerLooks& p) {
    return {{"name", QString::fromStdString(p.name)},
            {"colour", static_cast<int>(p.looks.BackColor)},
            {"marks", static_cast<int>(p.looks.ForeColor)},
            {"figure", QString::fromStdString(p.looks.Caption)}};
}

QString hexText(const std::string& s) { return QString::fromStdString(s); }

struct Writer {
    QJsonObject operator()(const Hello& m) const {
        return {{"t", "hello"}, {"game", "tallowen"}, {"version", m.version}, {"challenge", hexText(m.challenge)}};
    }
    QJsonObject operator()(const Join& m) const {
        return {{"t", "join"},           {"version", m.version},          {"nonce", hexText(m.nonce)},
                {"proof", hexText(m.proof)}, {"token", hexText(m.token)}, {"player", looksObject(m.player)}};
    }
    QJsonObject operator()(const Welcome& m) const {
        return {{"t", "welcome"},
                {"proof", hexText(m.proof)},
                {"token", hexText(m.token)},
                {"resume", m.resume},
                {"player", looksObject(m.player)}};
    }
    QJsonObject operator()(const Refused& m) const {
        return {{"t", "refused"}, {"reason", kRefusals[static_cast<std::size_t>(m.reason)]}};
    }
    QJsonObject operator()(const Start& m) const {
        return {{"t", "start"},
                {"field", QString::fromStdString(m.field)},
                {"game", QString::fromStdString(m.gameString)},
                {"rule", m.star ? "star" : "cross"},
                {"times", pairOf(m.times[0], m.times[1])},
                {"players", QJsonArray{looksObject(m.players[0]), looksObject(m.players[1])}},
                {"round", m.round},
                {"resume", m.resume}};
    }
    QJsonObject operator()(const Move& m) const {
        return {{"t", "move"},
                {"n", m.number},
                {"from", pairOf(m.move.sx, m.move.sy)},
                {"to", pairOf(m.move.tx, m.move.ty)}};
    }
    QJsonObject operator()(const Clocks& m) const {
        return {{"t", "clocks"}, {"round", m.round}, {"clocks", pairOf(m.clock[0], m.clock[1])}};
    }
    QJsonObject operator()(const Ask& m) const {
        return {{"t", "ask"},
                {"what", kRequests[static_cast<std::size_t>(m.what)]},
                {"round", m.round},
                {"moves", m.moves}};
    }
    QJsonObject operator()(const Answer& m) const {
        return {{"t", "answer"}, {"allow", m.allow}, {"round", m.round}, {"moves", m.moves}};
    }
    QJsonObject operator()(const Resumed& m) const { return {{"t", "resumed"}, {"clocks", pairOf(m.clock[0], m.clock[1])}}; }
    QJsonObject operator()(const PlayerChanged& m) const { return {{"t", "player"}, {"player", looksObject(m.player)}}; }
    QJsonObject operator()(const Ping&) const { return {{"t", "ping"}}; }
    QJsonObject operator()(const Bye& m) const {
        return {{"t", "bye"}, {"reason", kFarewells[static_cast<std::size_t>(m.reason)]}};
    }
};

}  // namespace

std::optional<Message> readMessage(std::string_view line) {
    if (line.size() > static_cast<std::size_t>(kMaxLineBytes)) return std::nullopt;
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(line.data(), static_cast<qsizetype>(line.size())), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
    const QJsonObject object = document.object();
    const QJsonValue type = object.value(QLatin1StringView("t"));
    if (!type.isString()) return std::nullopt;
    Fields fields(object);
    std::optional<Message> message = readObject(type.toString().toStdString(), fields);
    if (!fields.ok()) return std::nullopt;
    return message;
}

std::string writeMessage(const Message& message) {
    return QJsonDocument(std::visit(Writer{}, message)).toJson(QJsonDocument::Compact).toStdString();
}

}  // namespace tallowen::net
