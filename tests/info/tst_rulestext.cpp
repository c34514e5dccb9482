#include "rulestext.h"

#include <QtTest>

using namespace corvelle;

// The rules text is read in a plain text box: each section is a heading line, a blank line and
// one-line paragraphs separated by blank lines, and the text ends with a line break.
class TestRulesText : public QObject {
    Q_OBJECT

private slots:
    void sixSectionsInOrderWithTheirHeadings();
    void everyParagraphIsOneCleanLine();
    void customizingEndsWithTheCheatNote();
};

namespace {

const QStringList Headings{
    "Playing the Game:", "Winning and Losing:", "Customizing the Game:", "Cheat Mode:",
    "Scoring:",          "Undo Penalization:",
};

// The paragraphs of each section, keyed by heading, in order.
QList<QPair<QString, QStringList>> split(const QString& text) {
    QList<QPair<QString, QStringList>> sections;
    QString body = text;
    body.chop(1);
    for (const QString& block : body.split(QStringLiteral("\n\n"))) {
        if (Headings.contains(block)) {
            sections.append({block, {}});
        } else if (!sections.isEmpty()) {
            sections.last().second.append(block);
        }
    }
    return sections;
}

} // namespace

void TestRulesText::sixSectionsInOrderWithTheirHeadings() {
    const QString text = rulesText();
    QVERIFY(text.startsWith(Headings.first() + QStringLiteral("\n\n")));
    QVERIFY(text.endsWith(QLatin1Char('\n')));
    QVERIFY(!text.endsWith(QStringLiteral("\n\n")));

    const auto sections = split(text);
    QStringList found;
    for (const auto& section : sections) {
        found.append(section.first);
        QVERIFY2(!section.second.isEmpty(), qPrintable(section.first));
    }
    QCOMPARE(found, Headings);
}

void TestRulesText::everyParagraphIsOneCleanLine() {
    QString body = rulesText();
    body.chop(1);
    const QStringList blocks = body.split(QStringLiteral("\n\n"));
    for (const QString& block : blocks) {
        QVERIFY2(!block.isEmpty(), "two blank lines in a row");
        QVERIFY2(!block.contains(QLatin1Char('\n')), qPrintable(block));
        QVERIFY2(block == block.trimmed(), qPrintable(block));
        QVERIFY2(!block.contains(QStringLiteral("  ")), qPrintable(block));
    }
    QVERIFY(blocks.size() > 2 * Headings.size());
}

void TestRulesText::customizingEndsWithTheCheatNote() {
    const auto sections = split(rulesText());
    QCOMPARE(sections.size(), Headings.size());
    const QStringList customizing = sections.at(2).second;
    QVERIFY(customizing.last().startsWith(QStringLiteral("NOTE:")));
    for (const QString& paragraph : customizing.mid(0, customizing.size() - 1)) {
        QVERIFY(!paragraph.startsWith(QStringLiteral("NOTE:")));
    }
}

QTEST_GUILESS_MAIN(TestRulesText)
#include "tst_rulestext.moc"
