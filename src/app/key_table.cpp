#include "app/key_table.h"

#include <QKeyEvent>

#include "app/scan_codes.h"

namespace tsn {

int ScanCodeOf(int qtKey, uint32_t native, bool keypad) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        static const int kLetters[26] = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
                                         49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44};
        return kLetters[qtKey - Qt::Key_A];
    }
    if (qtKey >= Qt::Key_1 && qtKey <= Qt::Key_9 && !keypad) return 2 + (qtKey - Qt::Key_1);
    switch (qtKey) {
        case Qt::Key_0: return keypad ? 82 : 11;
        case Qt::Key_Escape: return key::kEscape;
        case Qt::Key_Equal:
        case Qt::Key_Plus: return keypad ? 78 : key::kEquals;
        case Qt::Key_Minus: return keypad ? 74 : 12;
        case Qt::Key_BracketLeft:
        case Qt::Key_BraceLeft: return key::kLeftBracket;
        case Qt::Key_BracketRight:
        case Qt::Key_BraceRight: return key::kRightBracket;
        case Qt::Key_Return: return key::kEnter;
        case Qt::Key_Enter: return keypad ? 156 : key::kEnter;
        case Qt::Key_Tab: return 15;
        case Qt::Key_Backspace: return 14;
        case Qt::Key_Space: return key::kSpace;
        // Linux reports the right-hand modifiers with their own hardware codes (X11: 62, 105, 108).
        case Qt::Key_Shift: return native == 62 ? key::kRightShift : key::kLeftShift;
        case Qt::Key_Control: return native == 105 ? key::kRightCtrl : key::kLeftCtrl;
        case Qt::Key_Alt: return native == 108 ? key::kRightAlt : key::kLeftAlt;
        case Qt::Key_AltGr: return key::kRightAlt;
        case Qt::Key_Print:
        case Qt::Key_SysReq: return key::kPrintScreen;
        case Qt::Key_Pause: return key::kPause;
        case Qt::Key_Home: return key::kHome;
        case Qt::Key_End: return 207;
        case Qt::Key_Up: return key::kUp;
        case Qt::Key_Down: return key::kDown;
        case Qt::Key_Left: return key::kLeft;
        case Qt::Key_Right: return key::kRight;
        case Qt::Key_PageUp: return key::kPageUp;
        case Qt::Key_PageDown: return key::kPageDown;
        case Qt::Key_Insert: return 210;
        case Qt::Key_Delete: return 211;
        default: break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F10) return 59 + (qtKey - Qt::Key_F1);
    return 0;
}

bool KeyboardState::Apply(const QKeyEvent& e) {
    const int code = ScanCodeOf(e.key(), e.nativeScanCode(),
                                (e.modifiers() & Qt::KeypadModifier) != 0);
    if (code == 0) return false;
    if (e.isAutoRepeat()) return true;
    Set(code, e.type() == QEvent::KeyPress);
    return true;
}

bool KeyboardState::Shift() const { return Down(key::kLeftShift) || Down(key::kRightShift); }
bool KeyboardState::LeftCtrl() const { return Down(key::kLeftCtrl); }
bool KeyboardState::Alt() const { return Down(key::kLeftAlt) || Down(key::kRightAlt); }

int ActionFromKeys(const KeyboardState& k) {
    int direction = 0;
    if (k.Down(key::kUp))
        direction = 1;
    else if (k.Down(key::kLeft))
        direction = 2;
    else if (k.Down(key::kDown))
        direction = 3;
    else if (k.Down(key::kRight))
        direction = 4;
    if (!k.Down(key::kSpace)) return direction;
    return direction == 0 ? 9 : direction + 4;
}

}  // namespace tsn
