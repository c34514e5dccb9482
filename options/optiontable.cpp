// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/optiontable.h"

#include <QCoreApplication>

#include <charconv>

namespace corvelle {

namespace {

bool holdsSetting(const Options& options, const OptionSetting& setting) {
    return withOptionSetting(options, setting) == options;
}

// Whether every value of the group's keys in `options` is one that an item of the group stores.
bool valuesKnown(const Options& options, OptionGroup group) {
    for (const OptionItem& item : OptionItems) {
        for (const OptionSetting& setting : item.settings) {
            if (item.group != group || setting.key.empty()) {
                continue;
            }
            bool known = false;
            for (const OptionItem& other : OptionItems) {
                for (const OptionSetting& stored : other.settings) {
                    known = known || (other.group == group && stored.key == setting.key &&
                                      holdsSetting(options, stored));
                }
            }
            if (!known) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

Options withOptionSetting(Options options, const OptionSetting& setting) {
    for (const OptionField& field : OptionFields) {
        if (field.key != setting.key) {
            continue;
        }
        if (field.flag != nullptr) {
            options.*field.flag = setting.text == "True";
        } else {
            int number = 0;
            std::from_chars(setting.text.data(), setting.text.data() + setting.text.size(), number);
            options.*field.number = number;
        }
    }
    return options;
}

Options withOptionItem(Options options, std::size_t item) {
    for (const OptionSetting& setting : OptionItems.at(item).settings) {
        options = withOptionSetting(options, setting);
    }
    return options;
}

Options settledOptions(Options options, const OptionMarks& storedChecked) {
    const OptionMarks marks = optionMarksOf(options);
    for (const OptionMenu& menu : OptionMenus) {
        bool held = false;
        int checked = 0;
        std::size_t checkedItem = 0, defaultItem = 0;
        for (std::size_t i = 0; i < OptionItems.size(); ++i) {
            if (OptionItems[i].group != menu.group) {
                continue;
            }
            held = held || marks[i];
            defaultItem = OptionItems[i].defaultMark ? i : defaultItem;
            checkedItem = storedChecked[i] ? i : checkedItem;
            checked += storedChecked[i] ? 1 : 0;
        }
        if (!held && valuesKnown(options, menu.group)) {
            options = withOptionItem(options, checked == 1 ? checkedItem : defaultItem);
        }
    }
    return options;
}

OptionMarks optionMarksOf(const Options& options) {
    OptionMarks marks{};
    for (std::size_t i = 0; i < OptionItems.size(); ++i) {
        marks[i] = withOptionItem(options, i) == options;
    }
    return marks;
}

QString optionCaption(const char* caption) {
    return QCoreApplication::translate("corvelle::OptionTable", caption);
}

} // namespace corvelle
