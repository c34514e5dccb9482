// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace corvelle {

namespace {

class QtDialogs final : public Dialogs {
public:
    void message(const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Corvelle"), text, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }

    QString askText(const QString& prompt, const QString& title,
                    const std::function<QString(const QString&)>& keep) override {
        QInputDialog dialog(QApplication::activeWindow());
        dialog.setWindowTitle(title);
        dialog.setLabelText(prompt);
        dialog.setTextValue(QString());
        dialog.setInputMode(QInputDialog::TextInput);
        if (keep) {
            QObject::connect(&dialog, &QInputDialog::textValueChanged, &dialog,
                             [&dialog, &keep](const QString& text) {
                                 if (const QString kept = keep(text); kept != text) {
                                     dialog.setTextValue(kept);
                                 }
                             });
        }
        if (dialog.exec() != QDialog::Accepted) {
            return QString();
        }
        return dialog.textValue();
    }

    bool askYesNo(const QString& question) override {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Corvelle"), question,
                        QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }
};

Dialogs* installed = nullptr;

} // namespace

bool Dialogs::askYesNo(const QString& /*question*/) {
    return false;
}

Dialogs& dialogs() {
    static QtDialogs real;
    return installed ? *installed : real;
}

void setDialogs(Dialogs* replacement) {
    installed = replacement;
}

} // namespace corvelle
