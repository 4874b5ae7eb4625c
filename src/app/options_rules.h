#pragma once
// The options dialog's rules: the ranges of the values, the signature's line breaks and
// length, what the Default button resets and the questions for the player. No widgets here.
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "app/settings.h"

namespace tsn {

inline constexpr int kMaxSignatureLength = 511;
inline constexpr int kMaxPlayerName = 25;
inline constexpr int kMaxPlayerEmail = 50;
inline constexpr int32_t kMaxSignatureDelay = 3600000;  // one hour
inline constexpr int kMaxGetReadyChoice = 10;           // five seconds

// Keeps what the dialog hands back inside its ranges: the signature keeps its first 511
// characters, the volumes 0 .. 10000, the level-information time 0 .. one hour, name and
// e-mail trimmed to 25 and 50 characters.
void KeepOptionsInRange(Settings& s);

// The Default button: every value it resets, on top of `current` (the grid switch, the volumes
// and everything the dialog does not show are kept; name and e-mail are cleared, to be asked
// for again).
Settings DefaultOptions(const Settings& current, const QString& version);
QString DefaultSignatureText(const QString& version);

// The level-information time typed in milliseconds: its whole part, inside 0 .. one hour;
// text that is no number keeps `previous`.
int32_t SignatureDelayFromText(const QString& text, int32_t previous);

// The signature box shows line breaks as "\n"; the store keeps "\r\n".
QString SignatureForBox(const QString& stored);
QString SignatureFromBox(const QString& boxText);

// The get-ready choices in half seconds (0 .. 10, and `current` when it lies outside), and
// their captions.
std::vector<int> GetReadyChoices(int current);
QString GetReadyCaption(int halfSeconds);

// An answer to the name or e-mail question: trimmed and cut to its length.
QString PlayerAnswer(const QString& answer, int maxLength);

// The questions for the player's name and e-mail (at start-up when none is stored, and after
// the Default button).
struct IdentityQuestion {
    const char* title;
    const char* prompt;
    const char* proposal;
    int maxLength;
};
inline constexpr IdentityQuestion kNameQuestion{"Player name not set.(MAX 25 chars)",
                                                " Please enter your name:", "Player 1",
                                                kMaxPlayerName};
inline constexpr IdentityQuestion kEmailQuestion{"Player email not set.(MAX 50 chars)",
                                                 " Please enter your email address:",
                                                 "your email address", kMaxPlayerEmail};
// An input box: title, prompt, proposal -> the answer (empty when cancelled), or none when the
// asking must stop because the program is closing.
using AskText = std::function<std::optional<QString>(const QString&, const QString&, const QString&)>;
// Asks until the answer is not blank; returns it trimmed and cut to its length, or none when
// the asking stopped.
std::optional<QString> AskIdentity(const AskText& ask, const IdentityQuestion& q);

}  // namespace tsn
