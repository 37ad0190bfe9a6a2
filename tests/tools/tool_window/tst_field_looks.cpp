// SPDX-License-Identifier: GPL-3.0-or-later
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTest>

#include "field_looks.h"

using namespace Qt::StringLiterals;

namespace {

// The colour the field is drawn with inside its frame, as the user sees it.
QColor drawnFace(QLineEdit& field)
{
    const QImage image = field.grab().toImage();
    return image.pixelColor(image.width() - 6, image.height() / 2);
}

} // namespace

class TstFieldLooks : public QObject {
    Q_OBJECT

private slots:
    void readOnlyFieldsLookDifferent();
    void fittedFieldShowsItsText_data();
    void fittedFieldShowsItsText();
};

// A result field is drawn on the window's face, an input field on the field colour.
void TstFieldLooks::readOnlyFieldsLookDifferent()
{
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* input = new QLineEdit(&window);
    auto* result = new QLineEdit(u"158,433.60"_s, &window);
    numerette::showAsReadOnly(*result);
    layout->addWidget(input);
    layout->addWidget(result);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(result->isReadOnly());
    QCOMPARE(drawnFace(*result), window.palette().color(QPalette::Window));
    QVERIFY(drawnFace(*input) != drawnFace(*result));
}

void TstFieldLooks::fittedFieldShowsItsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("example description") << u"working hours per day"_s;
    QTest::newRow("twenty-five characters") << u"carpenters of the village"_s;
}

void TstFieldLooks::fittedFieldShowsItsText()
{
    QFETCH(QString, text);
    QLineEdit field(text);
    numerette::fitCharacters(field, 25);
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    field.resize(field.minimumWidth(), field.height());
    // With the caret at either end, both ends of the text are in view: nothing scrolled away.
    for (const int caret : {0, int(text.size())}) {
        field.setCursorPosition(caret);
        QCOMPARE(field.cursorPositionAt(QPoint(4, field.height() / 2)), 0);
        QCOMPARE(field.cursorPositionAt(QPoint(field.width() - 4, field.height() / 2)), text.size());
    }
}

QTEST_MAIN(TstFieldLooks)
#include "tst_field_looks.moc"
