// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_store.h"

#include <algorithm>
#include <cmath>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace numerette {

namespace {

constexpr QFileDevice::Permissions OwnerReadWrite = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions GroupAndOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup
    | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;

// The settings say what the user does (the last saved file's path, alarms to come): the
// program's own folder is the owner's alone (0700) and the file too (0600). The store
// replaces the file through a new one that takes over the old file's permissions, so the
// file is made here, before the first write. Files of earlier versions lose the access
// they gave to others. A folder the caller named is left as it is.
void keepPrivate(const QString& filePath, bool ownFolder)
{
    const QString folder = QFileInfo(filePath).absolutePath();
    if (!QFileInfo::exists(folder))
        QDir().mkpath(folder);
    const QFileDevice::Permissions folderPermissions = QFile::permissions(folder);
    if (ownFolder && (folderPermissions & GroupAndOthers))
        QFile::setPermissions(folder, folderPermissions & ~GroupAndOthers);
    QFile file(filePath);
    if (!file.exists() && file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        file.setPermissions(OwnerReadWrite);
        file.close();
    }
    const QFileDevice::Permissions filePermissions = file.permissions();
    if (filePermissions & GroupAndOthers)
        file.setPermissions(filePermissions & ~GroupAndOthers);
}

} // namespace

SettingsStore::SettingsStore(const QString& filePath)
    : m_settings(filePath.isEmpty() ? std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                                  QStringLiteral("Numeret"), QStringLiteral("Numeret"))
                                    : std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{
    keepPrivate(m_settings->fileName(), filePath.isEmpty());
    m_settings->beginGroup(QStringLiteral("Conf"));
}

SettingsStore::~SettingsStore() = default;

int SettingsStore::Formato() const { return integer(u"Formato", 2, 0, 80); }
void SettingsStore::setFormato(int index) { storeNumber(u"Formato", index); }
bool SettingsStore::CalcEnter() const { return flag(u"CalcEnter", false); }
void SettingsStore::setCalcEnter(bool addMode) { storeFlag(u"CalcEnter", addMode); }
int SettingsStore::MiniHeight() const { return height(u"MiniHeight", 1285); }
void SettingsStore::setMiniHeight(int twips) { storeNumber(u"MiniHeight", twips); }
bool SettingsStore::isMiniHeightStored() const { return m_settings->contains(u"MiniHeight"); }
int SettingsStore::CalcHeight() const { return height(u"CalcHeight", 7305); }
void SettingsStore::setCalcHeight(int twips) { storeNumber(u"CalcHeight", twips); }
bool SettingsStore::Letrona() const { return flag(u"Letrona", true); }
void SettingsStore::setLetrona(bool on) { storeFlag(u"Letrona", on); }
int SettingsStore::CalcTop() const { return position(u"CalcTop", 0); }
void SettingsStore::setCalcTop(int twips) { storeNumber(u"CalcTop", twips); }
int SettingsStore::CalcLeft(int defaultTwips) const { return position(u"CalcLeft", defaultTwips); }
void SettingsStore::setCalcLeft(int twips) { storeNumber(u"CalcLeft", twips); }
bool SettingsStore::InserirTexto() const { return flag(u"InserirTexto", false); }
void SettingsStore::setInserirTexto(bool on) { storeFlag(u"InserirTexto", on); }
bool SettingsStore::mnuSystray() const { return flag(u"mnuSystray", true); }
void SettingsStore::setMnuSystray(bool on) { storeFlag(u"mnuSystray", on); }
bool SettingsStore::Monitor() const { return flag(u"Monitor", false); }
void SettingsStore::setMonitor(bool on) { storeFlag(u"Monitor", on); }
bool SettingsStore::Oculte() const { return flag(u"Oculte", false); }
void SettingsStore::setOculte(bool on) { storeFlag(u"Oculte", on); }
bool SettingsStore::HotKey() const { return flag(u"HotKey", true); }
void SettingsStore::setHotKey(bool on) { storeFlag(u"HotKey", on); }
bool SettingsStore::MenuXP() const { return flag(u"MenuXP", true); }
void SettingsStore::setMenuXP(bool on) { storeFlag(u"MenuXP", on); }
SoundMode SettingsStore::Sons() const
{
    return static_cast<SoundMode>(integer(u"Sons", int(SoundMode::Musical), int(SoundMode::None), int(SoundMode::Musical)));
}
void SettingsStore::setSons(SoundMode mode) { storeNumber(u"Sons", int(mode)); }
int SettingsStore::Instrumento() const { return integer(u"Instrumento", 0, 0, 127); }
void SettingsStore::setInstrumento(int program) { storeNumber(u"Instrumento", program); }
bool SettingsStore::Visivel() const { return flag(u"Visivel", true); }
void SettingsStore::setVisivel(bool on) { storeFlag(u"Visivel", on); }
bool SettingsStore::Backup() const { return flag(u"Backup", true); }
void SettingsStore::setBackup(bool on) { storeFlag(u"Backup", on); }
bool SettingsStore::NumLock() const { return flag(u"NumLock", true); }
void SettingsStore::setNumLock(bool on) { storeFlag(u"NumLock", on); }
QString SettingsStore::Porta() const { return text(u"Porta", QStringLiteral("LPT1")); }
void SettingsStore::setPorta(const QString& port) { store(u"Porta", port); }
int SettingsStore::Historico() const { return integer(u"Historico", KeepHistoryForever, KeepHistoryForever, MaxHistoryDays); }
void SettingsStore::setHistorico(int days) { storeNumber(u"Historico", days); }
int SettingsStore::Velocidade() const { return integer(u"Velocidade", 9600, 50, 4'000'000); }
void SettingsStore::setVelocidade(int bitsPerSecond) { storeNumber(u"Velocidade", bitsPerSecond); }
QString SettingsStore::Arredondamento() const { return text(u"Arredondamento", QStringLiteral("half-up")).trimmed(); }
void SettingsStore::setArredondamento(const QString& word) { store(u"Arredondamento", word); }
QString SettingsStore::Imposto() const { return text(u"Imposto", QStringLiteral("0")).trimmed(); }
void SettingsStore::setImposto(const QString& percent) { store(u"Imposto", percent); }
bool SettingsStore::CopiaSemGrupo() const { return flag(u"CopiaSemGrupo", false); }
void SettingsStore::setCopiaSemGrupo(bool on) { storeFlag(u"CopiaSemGrupo", on); }
QString SettingsStore::UltimoArq() const { return text(u"UltimoArq", QStringLiteral("Numeret.txt")); }
void SettingsStore::setUltimoArq(const QString& path) { store(u"UltimoArq", path); }
QString SettingsStore::UltimoPath() const { return text(u"UltimoPath", QString()); }
void SettingsStore::setUltimoPath(const QString& folder) { store(u"UltimoPath", folder); }
QString SettingsStore::text(QAnyStringView key, const QString& fallback) const
{
    const QVariant value = m_settings->value(key);
    if (!value.isValid())
        return fallback;
    // An unquoted comma in a hand-edited INI value makes the reader split it into a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

bool SettingsStore::flag(QAnyStringView key, bool fallback) const
{
    const QString value = text(key, QString()).trimmed();
    if (value.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (value.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number != 0 : fallback;
}

int SettingsStore::integer(QAnyStringView key, int fallback, int lowest, int highest) const
{
    bool ok = false;
    const int value = text(key, QString()).trimmed().toInt(&ok);
    return ok && value >= lowest && value <= highest ? value : fallback;
}

// Measures were once written as single-precision numbers, possibly with a decimal comma.
std::optional<int> SettingsStore::twips(QAnyStringView key) const
{
    bool ok = false;
    const double value = text(key, QString()).trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return int(std::lround(std::clamp(value, -double(MaxTwips) - 1, double(MaxTwips) + 1)));
}

int SettingsStore::height(QAnyStringView key, int fallback) const
{
    const std::optional<int> value = twips(key);
    return value && *value > 0 && *value <= MaxTwips ? *value : fallback;
}

int SettingsStore::position(QAnyStringView key, int fallback) const
{
    return std::clamp(twips(key).value_or(fallback), 0, MaxTwips);
}

void SettingsStore::store(QAnyStringView key, const QString& value)
{
    m_settings->setValue(key, value);
}

void SettingsStore::storeFlag(QAnyStringView key, bool on)
{
    store(key, on ? QStringLiteral("True") : QStringLiteral("False"));
}

void SettingsStore::storeNumber(QAnyStringView key, int value)
{
    store(key, QString::number(value));
}

} // namespace numerette
