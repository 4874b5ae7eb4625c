#pragma once
// Solutions written as move scripts. Tokens are separated by blanks or line ends; ';' starts a
// comment to the end of the line.
//
//   U D L R      one move (walk, eat, push, pass a port, fall) in that direction; the key is
//                held until Murphy is at rest again. A count repeats it: R4 = four moves.
//   sU sD sL sR  snap in that direction without moving (also with a count).
//   X            lay a red disk: one frame without keys, then space until it is laid.
//   wN           N frames without keys.
//   hK N         hold key K (U D L R, sU sD sL sR, X for space) for exactly N frames: hR1.
//   goto C,R     walk to column C, row R by the shortest safe way over the field as it is
//                when the step starts (see FindPath); played as the plain moves of that way.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace tsn::levels {

struct ScriptStep {
    enum class Kind { Action, Wait, Hold, Goto } kind = Kind::Action;
    int input = 0;   // action code 0..9 of the frames
    int count = 1;   // actions (Action) or frames (Wait, Hold)
    int column = 0;  // the target cell of a Goto
    int row = 0;
    bool layDisk = false;
    std::string text;  // the token as written, for messages
};

class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::vector<ScriptStep> ParseMoveScript(const std::string& text);

}  // namespace tsn::levels
