// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include <X11/keysym.h>

#include "x11_key_map.h"

using numerette::x11::KeyboardMapping;

namespace {

using Keysyms = std::vector<std::uint32_t>;
using Keycodes = std::vector<std::uint8_t>;

// An empty place in the map, as X writes it.
constexpr std::uint32_t NoSymbol = 0;

// The keys of a map that matter here, as `xmodmap -pke` shows them on a PC keyboard with
// the "us" or the "br" (abnt2) layout; every other key code is empty.
KeyboardMapping pcKeyboard(bool abnt2)
{
    KeyboardMapping mapping;
    mapping.firstKeycode = 8;
    mapping.perKeycode = 4;
    mapping.keysyms.assign(std::size_t(255 - 8 + 1) * 4, NoSymbol);
    const auto key = [&mapping](int keycode, Keysyms keysyms) {
        keysyms.resize(4, NoSymbol);
        std::copy(keysyms.begin(), keysyms.end(), mapping.keysyms.begin() + (keycode - 8) * 4);
    };
    key(37, {XK_Control_L});
    key(54, {XK_c, XK_C, XK_c, XK_C});
    key(61, abnt2 ? Keysyms{XK_semicolon, XK_colon} : Keysyms{XK_slash, XK_question});
    key(77, {XK_Num_Lock, NoSymbol, XK_Num_Lock});
    key(84, {XK_KP_Begin, XK_KP_5, XK_KP_Begin, XK_KP_5});
    key(86, {XK_KP_Add, XK_KP_Add, XK_KP_Add, XK_KP_Add});
    key(91, {XK_KP_Delete, XK_KP_Decimal, XK_KP_Delete, XK_KP_Decimal});
    key(97, abnt2 ? Keysyms{XK_slash, XK_question} : Keysyms{});
    key(104, {XK_KP_Enter, NoSymbol, XK_KP_Enter});
    key(106, {XK_KP_Divide, XK_KP_Divide, XK_KP_Divide, XK_KP_Divide});
    key(119, {XK_Delete, NoSymbol, XK_Delete});
    key(129, {XK_KP_Decimal, XK_KP_Decimal, XK_KP_Decimal, XK_KP_Decimal});
    return mapping;
}

} // namespace

class TstX11KeyMap : public QObject {
    Q_OBJECT

private slots:
    void keycodesProducing_data();
    void keycodesProducing();
    void numLockModifier();
};

void TstX11KeyMap::keycodesProducing_data()
{
    QTest::addColumn<bool>("abnt2");
    QTest::addColumn<Keysyms>("keysyms");
    QTest::addColumn<Keycodes>("expected");

    for (const bool abnt2 : {false, true}) {
        const char* layout = abnt2 ? "br abnt2" : "us";
        // The keypad "." gives KP_Decimal only with NumLock; the Brazilian keypad comma always.
        QTest::addRow("%s: keypad decimal on both keys", layout)
            << abnt2 << Keysyms{XK_KP_Decimal, XK_KP_Separator} << Keycodes{91, 129};
        QTest::addRow("%s: keypad digit on the NumLock level", layout) << abnt2 << Keysyms{XK_KP_5} << Keycodes{84};
        QTest::addRow("%s: keypad operator on the first level", layout)
            << abnt2 << Keysyms{XK_KP_Add} << Keycodes{86};
        QTest::addRow("%s: keypad Enter", layout) << abnt2 << Keysyms{XK_KP_Enter} << Keycodes{104};
        QTest::addRow("%s: letter by its lower case", layout) << abnt2 << Keysyms{XK_c} << Keycodes{54};
        QTest::addRow("%s: upper case needs Shift, not asked for", layout) << abnt2 << Keysyms{XK_C} << Keycodes{};
        QTest::addRow("%s: Delete is not the keypad's Delete", layout) << abnt2 << Keysyms{XK_Delete} << Keycodes{119};
        QTest::addRow("%s: a keysym on no key", layout) << abnt2 << Keysyms{XK_F35} << Keycodes{};
    }
    // A shifted symbol of an ordinary key is not reached without Shift.
    QTest::addRow("us: question mark only shifted") << false << Keysyms{XK_question} << Keycodes{};
    QTest::addRow("br abnt2: slash on its own key") << true << Keysyms{XK_slash} << Keycodes{97};
    QTest::addRow("us: slash") << false << Keysyms{XK_slash} << Keycodes{61};
}

void TstX11KeyMap::keycodesProducing()
{
    QFETCH(bool, abnt2);
    QFETCH(Keysyms, keysyms);
    QFETCH(Keycodes, expected);
    QCOMPARE(numerette::x11::keycodesProducing(pcKeyboard(abnt2), keysyms), expected);
}

void TstX11KeyMap::numLockModifier()
{
    const KeyboardMapping mapping = pcKeyboard(false);
    // Two key codes per modifier: Shift, Lock, Control, Mod1, Mod2 (NumLock), Mod3, Mod4, Mod5.
    const std::vector<std::uint8_t> modifiers{50, 62, 66, 0, 37, 105, 64, 108, 77, 0, 0, 0, 133, 134, 92, 0};
    QCOMPARE(numerette::x11::modifierMaskOf(mapping, modifiers, 2, XK_Num_Lock), std::uint16_t(1U << 4));
    QCOMPARE(numerette::x11::modifierMaskOf(mapping, modifiers, 2, XK_Control_L), std::uint16_t(1U << 2));
    // NumLock bound to no modifier: nothing to add to the grabs.
    std::vector<std::uint8_t> unbound = modifiers;
    unbound[8] = 0;
    QCOMPARE(numerette::x11::modifierMaskOf(mapping, unbound, 2, XK_Num_Lock), std::uint16_t(0));
    QCOMPARE(numerette::x11::modifierMaskOf(KeyboardMapping{}, modifiers, 2, XK_Num_Lock), std::uint16_t(0));
}

QTEST_GUILESS_MAIN(TstX11KeyMap)
#include "tst_x11_key_map.moc"
