#include "app/options_rules.h"

#include <algorithm>
#include <cmath>

#include "files/signature.h"

namespace tsn {

void KeepOptionsInRange(Settings& s) {
    s.SignatureDelay = std::clamp(s.SignatureDelay, 0, kMaxSignatureDelay);
    s.MusicVolume = std::clamp(s.MusicVolume, 0, 10000);
    s.SampleVolume = std::clamp(s.SampleVolume, 0, 10000);
    s.MySignature = s.MySignature.left(kMaxSignatureLength);
    s.DefaultPlayerName = PlayerAnswer(s.DefaultPlayerName, kMaxPlayerName);
    s.DefaultPlayerEmail = PlayerAnswer(s.DefaultPlayerEmail, kMaxPlayerEmail);
}

QString DefaultSignatureText(const QString& version) {
    return "This demo was recorded with Tessarin v." + version + "\r\n" +
           "Please visit the Quorvane at:" + "\r\n" + QString::fromLatin1(kForumAddress);
}

Settings DefaultOptions(const Settings& current, const QString& version) {
    // The values of a fresh store, but for the grid colour and the signature.
    const Settings fresh;
    Settings v = current;
    v.SignatureDelay = fresh.SignatureDelay;
    v.AllowRedDiskCheat = fresh.AllowRedDiskCheat;
    v.AllowEatRightRedDiskBug = fresh.AllowEatRightRedDiskBug;
    v.AllowMultipleInstances = fresh.AllowMultipleInstances;
    v.ShowSplash = fresh.ShowSplash;
    v.FinalSituation = fresh.FinalSituation;
    v.Music = fresh.Music;
    v.SoundFX = fresh.SoundFX;
    v.ShowInfo = fresh.ShowInfo;
    v.LimitToOriginalFieldSize = fresh.LimitToOriginalFieldSize;
    v.GridColor = 65535;
    v.GameBackgroundColor = fresh.GameBackgroundColor;
    v.GetReadyTime = fresh.GetReadyTime;
    v.MySignature = DefaultSignatureText(version);
    v.DefaultPlayerName = fresh.DefaultPlayerName;
    v.DefaultPlayerEmail = fresh.DefaultPlayerEmail;
    return v;
}

int32_t SignatureDelayFromText(const QString& text, int32_t previous) {
    bool ok = false;
    const double typed = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(typed)) return previous;
    const double whole = std::trunc(typed);
    return static_cast<int32_t>(std::clamp(whole, 0.0, static_cast<double>(kMaxSignatureDelay)));
}

QString SignatureForBox(const QString& stored) {
    QString t = stored;
    return t.replace("\r\n", "\n");
}

QString SignatureFromBox(const QString& boxText) {
    QString t = boxText;
    t.replace("\r\n", "\n");
    return t.replace("\n", "\r\n");
}

std::vector<int> GetReadyChoices(int current) {
    std::vector<int> choices;
    for (int i = 0; i <= kMaxGetReadyChoice; ++i) choices.push_back(i);
    if (current > kMaxGetReadyChoice) choices.push_back(current);
    return choices;
}

QString GetReadyCaption(int halfSeconds) {
    if (halfSeconds == 0) return QStringLiteral("None");
    return QString::number(halfSeconds * 0.5, 'f', 1) + " s";
}

QString PlayerAnswer(const QString& answer, int maxLength) {
    return answer.trimmed().left(maxLength);
}

std::optional<QString> AskIdentity(const AskText& ask, const IdentityQuestion& q) {
    QString answer;
    while (answer.isEmpty()) {
        const std::optional<QString> given = ask(q.title, q.prompt, q.proposal);
        if (!given) return std::nullopt;
        answer = PlayerAnswer(*given, q.maxLength);
    }
    return answer;
}

}  // namespace tsn
