// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/optionstore.h"

#include "storage/savefile.h"

#include <QStandardPaths>

namespace corvelle {

namespace {

QString text(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

QString checkedKey(const OptionItem& item) {
    return QString::fromLatin1(item.control) + QStringLiteral(".Checked");
}

QString boolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// The stored text of a key; a missing key, and a value that is no plain text (a list, or a
// serialised variant some other program put there), read as empty.
QString storedText(const QSettings& settings, const QString& key) {
    const QVariant value = settings.value(key);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

// The value stored under `key`: one of the texts the items write for it (in any letter case),
// or else the text of the default item of its group.
OptionSetting readSetting(const QSettings& settings, std::string_view key) {
    const QString stored = storedText(settings, text(key));
    OptionSetting fallback{key, {}};
    for (const OptionItem& item : OptionItems) {
        for (const OptionSetting& setting : item.settings) {
            if (setting.key != key) {
                continue;
            }
            if (stored.compare(text(setting.text), Qt::CaseInsensitive) == 0) {
                return setting;
            }
            if (item.defaultMark) {
                fallback = setting;
            }
        }
    }
    return fallback;
}

// Whether the item's check mark is stored, and stored as checked ("True" in any letter case).
bool storedChecked(const QSettings& settings, const OptionItem& item) {
    return storedText(settings, checkedKey(item))
               .compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
}

// The store, opened in its group "Settings". It is the file that QSettings gives organisation
// and application "Corvelle" in the user scope, named here so that it can be looked at before
// QSettings opens (and reads) it.
class Store : public QSettings {
public:
    explicit Store(const QString& group = QStringLiteral("Settings"))
        : QSettings(OptionStore::fileName(), QSettings::NativeFormat) {
        beginGroup(group);
    }
};

const QString ViewGroup = QStringLiteral("View");
const QString CardSizeKey = QStringLiteral("CardSize");
const QString CardsGroup = QStringLiteral("Cards");
const QString FacesKey = QStringLiteral("Faces");
const QString LargePrintText = QStringLiteral("LargePrint");

} // namespace

Options OptionStore::withItem(Options options, std::size_t item) {
    return withOptionItem(options, item);
}

OptionMarks OptionStore::defaultMarks() {
    OptionMarks marks{};
    for (std::size_t i = 0; i < OptionItems.size(); ++i) {
        marks[i] = OptionItems[i].defaultMark;
    }
    return marks;
}

QString OptionStore::fileName() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Corvelle/Corvelle.conf");
}

void OptionStore::loadSettings(Options& options, OptionMarks& marks) {
    options = {};
    marks = defaultMarks();
    if (!usable()) {
        return;
    }
    const Store settings;
    status_ = settings.status();
    if (status_ != QSettings::NoError) {
        return; // nothing in a file that could not be read or is no settings file counts
    }
    for (const OptionField& field : OptionFields) {
        options = withOptionSetting(options, readSetting(settings, field.key));
    }
    OptionMarks checked{};
    for (std::size_t i = 0; i < OptionItems.size(); ++i) {
        checked[i] = storedChecked(settings, OptionItems[i]);
    }
    options = settledOptions(options, checked);
    marks = optionMarksOf(options);
}

void OptionStore::choose(std::size_t item, Options& options, OptionMarks& marks) {
    const OptionItem& chosen = OptionItems.at(item);
    options = withItem(options, item);
    for (std::size_t i = 0; i < OptionItems.size(); ++i) {
        if (OptionItems[i].group == chosen.group) {
            marks[i] = i == item;
        }
    }
    if (!usable()) {
        return;
    }
    Store settings;
    for (const Entry& entry : entriesFor(item, marks)) {
        settings.setValue(entry.first, entry.second);
    }
    settings.sync();
    status_ = settings.status();
}

int OptionStore::loadCardSize() {
    if (!usable()) {
        return 100;
    }
    const int percent = storedText(Store(ViewGroup), CardSizeKey).toInt();
    return percent == 125 || percent == 150 || percent == 175 || percent == 200 ? percent : 100;
}

void OptionStore::saveCardSize(int percent) {
    if (usable()) {
        Store settings(ViewGroup);
        settings.setValue(CardSizeKey, QString::number(percent));
        settings.sync();
        status_ = settings.status();
    }
}

bool OptionStore::loadLargePrint() {
    return usable() && storedText(Store(CardsGroup), FacesKey) == LargePrintText;
}

void OptionStore::saveLargePrint(bool largePrint) {
    if (usable()) {
        Store settings(CardsGroup);
        settings.setValue(FacesKey, largePrint ? LargePrintText : QStringLiteral("Classic"));
        settings.sync();
        status_ = settings.status();
    }
}

bool OptionStore::loadFlag(const QString& group, const QString& key, bool fallback) {
    if (!usable()) {
        return fallback;
    }
    const QString stored = storedText(Store(group), key);
    if (stored.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (stored.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    return fallback;
}

void OptionStore::saveFlag(const QString& group, const QString& key, bool value) {
    if (usable()) {
        Store settings(group);
        settings.setValue(key, boolText(value));
        settings.sync();
        status_ = settings.status();
    }
}

// Something else than a file where the store should be (a FIFO would hang the game) is never
// opened: the options live in memory for this run, and the player is told once.
bool OptionStore::usable() {
    if (isRegularOrMissing(fileName())) {
        return true;
    }
    status_ = QSettings::AccessError;
    if (!reported_) {
        reported_ = true;
        problem_ = tr("The settings file %1 is not a file. Corvelle plays with the "
                      "options in memory and cannot save them.")
                       .arg(fileName());
    }
    return false;
}

QList<OptionStore::Entry> OptionStore::entriesFor(std::size_t item, const OptionMarks& marks) {
    const OptionItem& chosen = OptionItems.at(item);
    QList<Entry> entries;
    for (const OptionSetting& setting : chosen.settings) {
        if (!setting.key.empty()) {
            entries.append({text(setting.key), text(setting.text)});
        }
    }
    for (std::size_t i = 0; i < OptionItems.size(); ++i) {
        if (OptionItems[i].group == chosen.group) {
            entries.append({checkedKey(OptionItems[i]), boolText(marks[i])});
        }
    }
    return entries;
}

} // namespace corvelle
