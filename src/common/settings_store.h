// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>

#include <QAnyStringView>
#include <QString>

class QSettings;

namespace numerette {

// How keys sound, as stored in `Sons`.
enum class SoundMode { None = 1, Beep = 2, Musical = 3 };

// Window measures are twips (1/1440 inch). Stored measures beyond this are nonsense.
constexpr int MaxTwips = 1'500'000;

// Every persistent setting of the program: section "Conf" of the per-user INI store of
// application "Numeret". Values are text: booleans "True"/"False", integers and twips in
// decimal. A value that is missing or does not make sense (a word where a number belongs,
// a number out of range) reads as the key's default, so a hand-edited file can never push
// the program into a state it has no use for. Positions are clamped to 0..MaxTwips.
class SettingsStore {
public:
    // The user's store, or an INI file at filePath (tests).
    explicit SettingsStore(const QString& filePath = QString());
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    int Formato() const;
    void setFormato(int index);
    bool CalcEnter() const;
    void setCalcEnter(bool addMode);
    int MiniHeight() const;
    void setMiniHeight(int twips);
    // False until a mini-mode close stored MiniHeight: the first mini start shows the hot-key help.
    bool isMiniHeightStored() const;
    int CalcHeight() const;
    void setCalcHeight(int twips);
    bool Letrona() const;
    void setLetrona(bool on);
    int CalcTop() const;
    void setCalcTop(int twips);
    // The default is the screen width less the window width less 360 twips.
    int CalcLeft(int defaultTwips) const;
    void setCalcLeft(int twips);
    bool InserirTexto() const;
    void setInserirTexto(bool on);
    bool mnuSystray() const;
    void setMnuSystray(bool on);
    bool Monitor() const;
    void setMonitor(bool on);
    bool Oculte() const;
    void setOculte(bool on);
    bool HotKey() const;
    void setHotKey(bool on);
    bool MenuXP() const;
    void setMenuXP(bool on);
    SoundMode Sons() const;
    void setSons(SoundMode mode);
    // General MIDI program 0..127.
    int Instrumento() const;
    void setInstrumento(int program);
    bool Visivel() const;
    void setVisivel(bool on);
    bool Backup() const;
    void setBackup(bool on);
    bool NumLock() const;
    void setNumLock(bool on);
    QString Porta() const;
    void setPorta(const QString& port);
    // How many days the tape history keeps: KeepHistoryForever (the default), 0 for none
    // (nothing more is archived), else 1 to MaxHistoryDays.
    static constexpr int KeepHistoryForever = -1;
    static constexpr int MaxHistoryDays = 36'500;
    int Historico() const;
    void setHistorico(int days);
    // The speed of a serial paper-roll printer, in bits per second (8 data bits, no parity,
    // one stop bit); 9600 unless set.
    int Velocidade() const;
    void setVelocidade(int bitsPerSecond);
    // The rounding mode of the arithmetic by its word ("half-up", the default, "half-even",
    // "up", "down"); the caller turns a word it does not know into the default.
    QString Arredondamento() const;
    void setArredondamento(const QString& word);
    // The tax keys' rate in percent as plain text with "." ("19.5"); "0" (the keys off) unless set.
    QString Imposto() const;
    void setImposto(const QString& percent);
    // Totals go to the clipboard without grouping separators.
    bool CopiaSemGrupo() const;
    void setCopiaSemGrupo(bool on);
    // The full path of the last saved list; "Numeret.txt" before the first save.
    QString UltimoArq() const;
    void setUltimoArq(const QString& path);
    // The folder of the last saved list, with its trailing "/"; empty before the first save.
    QString UltimoPath() const;
    void setUltimoPath(const QString& folder);

private:
    QString text(QAnyStringView key, const QString& fallback) const;
    bool flag(QAnyStringView key, bool fallback) const;
    int integer(QAnyStringView key, int fallback, int lowest, int highest) const;
    std::optional<int> twips(QAnyStringView key) const;
    int height(QAnyStringView key, int fallback) const;
    int position(QAnyStringView key, int fallback) const;
    void store(QAnyStringView key, const QString& value);
    void storeFlag(QAnyStringView key, bool on);
    void storeNumber(QAnyStringView key, int value);

    std::unique_ptr<QSettings> m_settings;
};

} // namespace numerette
