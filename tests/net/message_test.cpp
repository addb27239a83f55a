#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/code_proof.h"
#include "net/join_address.h"
#include "net/line_reader.h"
#include "net/message.h"
#include "net/protocol.h"

namespace tallowen::net {
namespace {

const std::string kHex32(32, 'a');
const std::string kHex64(64, '0');
const PlayerLooks kEva{"Eva Nováková", {0x0000FF, 0xFFFFFF, "3"}};
const PlayerLooks kBob{"Bob", {0x00FF00, 0x000000, "8"}};

// Every kind of message, each with values at the edges of what it may hold.
std::vector<Message> everyKind() {
    Start start{"Big battle", "+XX-1", false, {4, 0}, {kEva, kBob}, 7, true};
    return {Hello{kProtocolVersion, kHex32},
            Join{kProtocolVersion, kHex32, kHex64, "", kEva},
            Join{kProtocolVersion, kHex32, kHex64, kHex32, kBob},
            Welcome{kHex64, kHex32, true, kBob},
            Refused{Refusal::Timeout},
            start,
            Start{"", "+-1", true, {0, 1}, {kBob, kEva}, 0, false},
            Move{1, {0, 0, 15, 15}},
            Move{kMaxMoves, {3, 4, 5, 6}},
            Clocks{2, {5400, -4}},
            Clocks{0, {-1, -3}},
            Ask{Request::NewGame, 3, 12},
            Answer{true, 3, 12},
            Resumed{{1, -2}},
            PlayerChanged{kEva},
            Ping{},
            Bye{Farewell::Illegal}};
}

TEST(Messages, EveryKindGoesOverAsOneLineAndComesBackTheSame) {
    for (const Message& message : everyKind()) {
        const std::string line = writeMessage(message);
        EXPECT_LE(line.size(), static_cast<std::size_t>(kMaxLineBytes));
        EXPECT_EQ(line.find('\n'), std::string::npos) << line;
        const auto back = readMessage(line);
        ASSERT_TRUE(back) << line;
        EXPECT_TRUE(*back == message) << line;
    }
    EXPECT_EQ(writeMessage(Move{5, {1, 2, 3, 4}}), R"({"from":[1,2],"n":5,"t":"move","to":[3,4]})");
}

TEST(Messages, ALineThatIsNotExactlyAMessageIsRefused) {
    const std::string looks = R"("colour":255,"marks":0,"figure":"3")";
    const std::vector<std::string> refused = {
        "",
        "garbage",
        "\x01\x02\xff",
        "[]",
        "{}",
        R"({"t":1})",
        R"({"t":"nope"})",
        R"({"t":"ping","x":1})",                                    // a key too many
        R"({"t":"move","n":1,"from":[0,0]})",                       // a key missing
        R"({"t":"move","n":1.5,"from":[0,0],"to":[1,1]})",          // not a whole number
        R"({"t":"move","n":0,"from":[0,0],"to":[1,1]})",            // moves count from 1
        R"({"t":"move","n":"1","from":[0,0],"to":[1,1]})",          // a number as text
        R"({"t":"move","n":1,"from":[0,16],"to":[1,1]})",           // off every field
        R"({"t":"move","n":1,"from":[0,0,0],"to":[1,1]})",
        R"({"t":"move","n":1,"from":[-1,0],"to":[1,1]})",
        R"({"t":"move","n":1e300,"from":[0,0],"to":[1,1]})",
        R"({"t":"clocks","round":0,"clocks":[0,5]})",               // no clock reads 0 after a tick
        R"({"t":"clocks","round":0,"clocks":[5401,5]})",
        R"({"t":"clocks","round":0,"clocks":[-5,5]})",
        R"({"t":"hello","game":"other","version":1,"challenge":")" + kHex32 + R"("})",
        R"({"t":"hello","game":"tallowen","version":1,"challenge":")" + std::string(32, 'A') + R"("})",
        R"({"t":"hello","game":"tallowen","version":1,"challenge":")" + std::string(31, 'a') + R"("})",
        R"({"t":"player","player":{"name":"Eva\u0007",)" + looks + "}}",   // a control character
        R"({"t":"player","player":{"name":"\u202eavE",)" + looks + "}}",   // turns the text around
        R"({"t":"player","player":{"name":"Eva\u2028Bob",)" + looks + "}}",
        R"({"t":"player","player":{"name":"\ud800",)" + looks + "}}",      // half a surrogate pair
        R"({"t":"player","player":{"name":")" + std::string(101, 'x') + R"(",)" + looks + "}}",
        R"({"t":"player","player":{"name":"",)" + looks + "}}",
        R"({"t":"player","player":{"name":"Eva","colour":16777216,"marks":0,"figure":"3"}})",
        R"({"t":"player","player":{"name":"Eva","colour":-1,"marks":0,"figure":"3"}})",
        R"({"t":"player","player":{"name":"Eva","colour":255,"marks":0,"figure":"9"}})",
        R"({"t":"player","player":{"name":"Eva","colour":255,"marks":0,"figure":"33"}})",
        R"({"t":"player","player":["Eva"]})",
        R"({"t":"start","field":"F","game":"+X-3","rule":"star","times":[0,0],"players":[{"name":"A",)" + looks +
            R"(},{"name":"B",)" + looks + R"(}],"round":1,"resume":false})",      // no first mover
        R"({"t":"start","field":"F","game":")" + std::string(290, 'X') +
            R"(1","rule":"star","times":[0,0],"players":[{"name":"A",)" + looks + R"(},{"name":"B",)" + looks +
            R"(}],"round":1,"resume":false})",                                      // a side of 17
        R"({"t":"start","field":"F","game":"+X-1","rule":"star","times":[0,5],"players":[{"name":"A",)" + looks +
            R"(},{"name":"B",)" + looks + R"(}],"round":1,"resume":false})",
        R"({"t":"start","field":"F","game":"+X-1","rule":"hex","times":[0,0],"players":[{"name":"A",)" + looks +
            R"(},{"name":"B",)" + looks + R"(}],"round":1,"resume":false})",
        R"({"t":"start","field":"F","game":"+X-1","rule":"star","times":[0,0],"players":[{"name":"A",)" + looks +
            R"(}],"round":1,"resume":false})",
        R"({"t":"bye","reason":"bored"})",
        R"({"t":"ask","what":"undo","round":0,"moves":-1})",
        R"({"t":"answer","allow":1,"round":0,"moves":1})",
        std::string(2000, '[') + std::string(2000, ']'),
        R"({"t":"ping"})" + std::string(kMaxLineBytes, ' '),       // over the limit, whatever it holds
    };
    for (const std::string& line : refused) EXPECT_FALSE(readMessage(line)) << line;
    EXPECT_TRUE(readMessage(R"({"t":"ping"})"));
}

TEST(Messages, OwnTextsAreCutToWhatTheOtherSideAccepts) {
    EXPECT_EQ(sendableText("E\x07v\na"), "Eva");
    std::string czech;
    for (int i = 0; i < 60; ++i) czech += "č";  // two bytes each
    const std::string cut = sendableText(czech);
    EXPECT_EQ(cut.size(), 100u);
    EXPECT_TRUE(isSendableText(cut, false));
    EXPECT_FALSE(isSendableText(czech, false));
    EXPECT_FALSE(isSendableText("Eva\xff", false));
}

TEST(LineReader, LinesComeOutWholeHoweverTheBytesArrive) {
    const std::string stream = "first\nsecond line\n\nlast";
    for (std::size_t piece : {1u, 2u, 5u, 100u}) {
        LineReader reader(16);
        std::vector<std::string> lines;
        for (std::size_t at = 0; at < stream.size(); at += piece) {
            const LineReader::Lines got = reader.feed(std::string_view(stream).substr(at, piece));
            EXPECT_FALSE(got.tooLong);
            lines.insert(lines.end(), got.complete.begin(), got.complete.end());
        }
        EXPECT_EQ(lines, (std::vector<std::string>{"first", "second line", ""})) << piece;
        EXPECT_EQ(reader.pending(), 4u);
    }
}

TEST(LineReader, ALineOverTheLimitIsNeverGatheredAndEndsTheReading) {
    LineReader reader(8);
    EXPECT_EQ(reader.feed("12345678\n").complete, std::vector<std::string>{"12345678"});
    EXPECT_FALSE(reader.feed("1234").tooLong);
    const LineReader::Lines over = reader.feed("56789");
    EXPECT_TRUE(over.tooLong);
    EXPECT_EQ(reader.pending(), 0u);
    const LineReader::Lines after = reader.feed("\nok\n");
    EXPECT_TRUE(after.tooLong);
    EXPECT_TRUE(after.complete.empty());
}

TEST(CodeProof, AProofHoldsForOneChallengeNonceTokenAndDirectionOnly) {
    const std::string code = newCode();
    ASSERT_TRUE(isCode(code));
    const std::string challenge = randomHex(16), nonce = randomHex(16), token = randomHex(16);
    EXPECT_EQ(challenge.size(), 32u);
    EXPECT_NE(challenge, nonce);
    const std::string proof = joinProof(code, challenge, nonce, token);
    EXPECT_EQ(proof.size(), 64u);
    EXPECT_TRUE(sameProof(proof, joinProof(code, challenge, nonce, token)));
    const std::string otherCode = code == "000000" ? "000001" : "000000";
    for (const std::string& other : {joinProof(otherCode, challenge, nonce, token), joinProof(code, nonce, challenge, token),
                                     joinProof(code, challenge, nonce, ""), hostProof(code, challenge, nonce, token)})
        EXPECT_FALSE(sameProof(proof, other));
    EXPECT_FALSE(sameProof(proof, proof.substr(1)));
    for (const char* bad : {"12345", "1234567", "12345a", " 12345"}) EXPECT_FALSE(isCode(bad)) << bad;
}

TEST(JoinAddress, NamesAndAddressesWithOrWithoutAPort) {
    const std::vector<std::pair<std::string, JoinAddress>> good = {
        {"eva-pc", {"eva-pc", kDefaultPort}},
        {"eva-pc.local:5000", {"eva-pc.local", 5000}},
        {"192.168.1.20", {"192.168.1.20", kDefaultPort}},
        {"192.168.1.20:65535", {"192.168.1.20", 65535}},
        {"fe80::1", {"fe80::1", kDefaultPort}},
        {"::1", {"::1", kDefaultPort}},
        {"[2001:db8::7]", {"2001:db8::7", kDefaultPort}},
        {"[2001:db8::7]:47", {"2001:db8::7", 47}},
    };
    for (const auto& [text, address] : good) {
        const ParsedJoinAddress parsed = parseJoinAddress(text);
        ASSERT_TRUE(parsed.address) << text << ": " << parsed.error;
        EXPECT_EQ(*parsed.address, address) << text;
    }
    for (const char* bad : {"", "eva pc", "eva-pc:", "eva-pc:0", "eva-pc:65536", "eva-pc:80x", "[::1", "[::1]x",
                            "[eva]:5", "1:2:3:zz", ":5000", "[::1]:"}) {
        const ParsedJoinAddress parsed = parseJoinAddress(bad);
        EXPECT_FALSE(parsed.address) << bad;
        EXPECT_FALSE(parsed.error.empty()) << bad;
    }
}

}  // namespace
}  // namespace tallowen::net
