// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QVBoxLayout>

#include "activation_return.h"

using namespace Qt::StringLiterals;

// A window with a field that has the focus, as the calculator or a tool window has.
struct Opener : QWidget {
    Opener()
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLineEdit(this));
        layout->addWidget(field);
    }
    QLineEdit* field = new QLineEdit(this);
};

class TstActivationReturn : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void closingWindowGivesTheKeysBack_data();
    void closingWindowGivesTheKeysBack();
    void anotherActiveWindowKeepsTheKeys();

private:
    void showActive(QWidget& window);

    numerette::ActivationReturn m_return;
};

void TstActivationReturn::init()
{
    qApp->installEventFilter(&m_return);
}

void TstActivationReturn::cleanup()
{
    qApp->removeEventFilter(&m_return);
}

void TstActivationReturn::showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

void TstActivationReturn::closingWindowGivesTheKeysBack_data()
{
    QTest::addColumn<bool>("messageBox");
    QTest::newRow("a dialog") << false;
    QTest::newRow("a message box") << true;
}

// The platform leaves no window active once the closing one is gone (as X does without a
// window manager); the window it was opened over gets the activation, and its field the keys.
void TstActivationReturn::closingWindowGivesTheKeysBack()
{
    QFETCH(bool, messageBox);
    Opener opener;
    showActive(opener);
    opener.field->setFocus();
    std::unique_ptr<QDialog> closing;
    if (messageBox)
        closing = std::make_unique<QMessageBox>(QMessageBox::Information, u"t"_s, u"a message"_s, QMessageBox::Ok,
                                                &opener);
    else
        closing = std::make_unique<QDialog>(&opener);
    showActive(*closing);
    closing->hide();
    QApplication::setActiveWindow(nullptr);
    QTRY_COMPARE(QApplication::activeWindow(), &opener);
    QCOMPARE(QApplication::focusWidget(), opener.field);
}

void TstActivationReturn::anotherActiveWindowKeepsTheKeys()
{
    Opener opener;
    showActive(opener);
    QDialog closing(&opener);
    showActive(closing);
    QWidget other;
    showActive(other);
    closing.hide();
    QTest::qWait(20);
    QCOMPARE(QApplication::activeWindow(), &other);
}

QTEST_MAIN(TstActivationReturn)
#include "tst_activation_return.moc"
