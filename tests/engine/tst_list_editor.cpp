// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "list_editor.h"

using namespace numerette;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(numerette::SearchResult)

namespace {

const QString Closed = u" =========================\r\n"_s;

// "|" in a text marks where CR LF stands, to keep the tables readable.
QString crlf(QString text)
{
    return text.replace(u'|', u"\r\n"_s);
}

} // namespace

class TestListEditor : public QObject {
    Q_OBJECT

private slots:
    void startsOnlyOnAClosedList_data();
    void startsOnlyOnAClosedList();
    void edit_data();
    void edit();
    void editsNothingOutsideEditMode();
    void newLineAndClosing_data();
    void newLineAndClosing();
    void find_data();
    void find();
};

void TestListEditor::startsOnlyOnAClosedList_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("starts");

    QTest::newRow("after a separator") << crlf(u"      12 =| 001|     12 T|"_s) + Closed << true;
    QTest::newRow("a calculation running") << Closed + crlf(u"                   12 +|"_s) << false;
    QTest::newRow("empty") << QString() << false;
}

void TestListEditor::startsOnlyOnAClosedList()
{
    QFETCH(QString, list);
    QFETCH(bool, starts);

    ListEditor editor;
    const auto text = editor.start(list);
    QCOMPARE(text.has_value(), starts);
    QCOMPARE(editor.editing(), starts);
    if (starts)
        QCOMPARE(*text, list + u' ');
}

void TestListEditor::edit_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QString>("typed");
    // The edit as position, removed and text, or -1 when there is none.
    QTest::addColumn<int>("editPosition");
    QTest::addColumn<int>("editRemoved");
    QTest::addColumn<QString>("editText");

    // The list being edited is Closed plus " ab": 31 characters, the line limit at 53.
    const int end = int(Closed.size()) + 3;
    QTest::newRow("typed at the end") << end << 0 << u"cd"_s << end << 0 << u"cd"_s;
    QTest::newRow("quotes dropped") << end << 0 << u"\"x\""_s << end << 0 << u"x"_s;
    QTest::newRow("only quotes: nothing") << end << 0 << u"\"\""_s << -1 << 0 << QString();
    QTest::newRow("LF becomes CR LF") << end << 0 << u"a\nb"_s << end << 0 << u"a\r\nb"_s;
    QTest::newRow("lone CR becomes CR LF") << end << 0 << u"a\rb"_s << end << 0 << u"a\r\nb"_s;
    QTest::newRow("cut at the line limit") << end << 0 << QString(40, u'x') << end << 0 << QString(22, u'x');
    QTest::newRow("a cut never ends in half a line break")
        << end << 0 << QString(21, u'x') + u"\n"_s << end << 0 << QString(21, u'x');
    QTest::newRow("replacing frees room") << end - 2 << 2 << QString(30, u'y') << end - 2 << 2 << QString(24, u'y');
    QTest::newRow("caret between CR and LF moves before the CR")
        << int(Closed.size()) - 1 << 0 << u"z"_s << int(Closed.size()) - 2 << 0 << u"z"_s;
    QTest::newRow("deleting half a line break deletes it whole")
        << int(Closed.size()) - 1 << 1 << QString() << int(Closed.size()) - 2 << 2 << QString();
    QTest::newRow("deleting up to the LF takes the LF along")
        << int(Closed.size()) - 3 << 2 << QString() << int(Closed.size()) - 3 << 3 << QString();
    QTest::newRow("position beyond the end is the end") << 999 << 5 << u"q"_s << end << 0 << u"q"_s;
    QTest::newRow("nothing typed or removed") << end << 0 << QString() << -1 << 0 << QString();
}

void TestListEditor::edit()
{
    QFETCH(int, position);
    QFETCH(int, removed);
    QFETCH(QString, typed);
    QFETCH(int, editPosition);
    QFETCH(int, editRemoved);
    QFETCH(QString, editText);

    ListEditor editor;
    const QString list = *editor.start(Closed) + u"ab"_s;
    const auto edit = editor.edit(list, position, removed, typed);
    QCOMPARE(edit.has_value(), editPosition >= 0);
    if (!edit)
        return;
    QCOMPARE(edit->position, editPosition);
    QCOMPARE(edit->removed, editRemoved);
    QCOMPARE(edit->text, editText);
}

void TestListEditor::editsNothingOutsideEditMode()
{
    ListEditor editor;
    QVERIFY(!editor.edit(Closed, int(Closed.size()), 0, u"x"_s));
    QVERIFY(editor.start(Closed));
    editor.lock();
    QVERIFY(!editor.editing());
    QVERIFY(!editor.edit(Closed, int(Closed.size()), 0, u"x"_s));
}

void TestListEditor::newLineAndClosing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<QString>("closed");

    const QString endLine = QString(25, u'=') + u"\r\n"_s;
    QTest::newRow("nothing typed") << QString() << false << Closed + u' ' + endLine;
    QTest::newRow("a note") << u"rent"_s << false << Closed + crlf(u" rent |"_s) + u' ' + endLine;
    QTest::newRow("a note ending in a blank") << u"rent "_s << false << Closed + crlf(u" rent |"_s) + u' ' + endLine;
    QTest::newRow("Enter after a note") << u"rent"_s << true << Closed + crlf(u" rent |"_s) + u' ' + endLine;
    QTest::newRow("a note ending in a line break")
        << u"rent\r\n"_s << false << Closed + crlf(u" rent|"_s) + endLine;
}

void TestListEditor::newLineAndClosing()
{
    QFETCH(QString, typed);
    QFETCH(bool, enter);
    QFETCH(QString, closed);

    ListEditor editor;
    QString list = *editor.start(Closed) + typed;
    if (enter) {
        list = editor.newLine(list);
        QVERIFY(list.endsWith(u" \r\n "_s));
        // The new line takes its own 24 characters.
        QCOMPARE(editor.edit(list, int(list.size()), 0, QString(30, u'n'))->text.size(), 24);
    }
    QCOMPARE(editor.closingText(list), closed);
    // Still editing until locked, so that setting the closing text runs no commit step.
    QVERIFY(editor.editing());
}

void TestListEditor::find_data()
{
    // Answers given one after the other; after each, the selection moves to the match.
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QList<SearchResult>>("results");
    QTest::addColumn<QList<int>>("starts");

    // "xa ab ab Ab" : matches of "ab" at 3, 6 and 9.
    QTest::newRow("repeated text moves on, case ignored")
        << QStringList{u"ab"_s, u"ab"_s, u"ab"_s, u"ab"_s}
        << QList<SearchResult>{SearchResult::Found, SearchResult::Found, SearchResult::Found, SearchResult::NotFound}
        << QList<int>{3, 6, 9, 9};
    QTest::newRow("a new text starts from the top")
        << QStringList{u"ab"_s, u"ab"_s, u" Ab "_s}
        << QList<SearchResult>{SearchResult::Found, SearchResult::Found, SearchResult::Found}
        << QList<int>{3, 6, 3};
    QTest::newRow("the first two characters are never searched")
        << QStringList{u"xa"_s} << QList<SearchResult>{SearchResult::NotFound} << QList<int>{0};
    QTest::newRow("blank answer") << QStringList{u"  "_s} << QList<SearchResult>{SearchResult::NoText}
                                  << QList<int>{0};
    QTest::newRow("a blank answer forgets the text")
        << QStringList{u"ab"_s, u""_s, u"ab"_s}
        << QList<SearchResult>{SearchResult::Found, SearchResult::NoText, SearchResult::Found}
        << QList<int>{3, 3, 3};
}

void TestListEditor::find()
{
    QFETCH(QStringList, answers);
    QFETCH(QList<SearchResult>, results);
    QFETCH(QList<int>, starts);

    const QString list = u"xa ab ab Ab"_s;
    ListEditor editor;
    int selection = 0;
    for (qsizetype i = 0; i < answers.size(); ++i) {
        const ListEditor::Match match = editor.find(list, answers[i], selection);
        QCOMPARE(match.result, results[i]);
        if (match.result == SearchResult::Found) {
            QCOMPARE(match.length, int(answers[i].trimmed().size()));
            selection = match.start;
        }
        QCOMPARE(selection, starts[i]);
    }
    editor.forgetSearch();
    QVERIFY(editor.searchText().isEmpty());
}

QTEST_GUILESS_MAIN(TestListEditor)
#include "tst_list_editor.moc"
