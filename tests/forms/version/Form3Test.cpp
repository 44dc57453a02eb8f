// SPDX-License-Identifier: MIT
// The version dialog: it names the version being built, and Enter on its focused OK closes it.
#include "forms/version/Form3.h"
#include "tests/common/GuiFixture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

class Form3Test : public QObject {
    Q_OBJECT

private slots:
    void namesTheVersionAndClosesWithEnter()
    {
        GuiFixture fixture;
        Form3 dialog;
        QCOMPARE(dialog.Label2->text(), QStringLiteral("Version " VAPORLANE_PROJECT_VERSION));
        for (const QLabel* label : {dialog.Label1, dialog.Label2, dialog.Label3, dialog.Label4, dialog.Label5})
            QVERIFY2(dialog.rect().contains(label->geometry()), qPrintable(label->text()));
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), dialog.Command1);
        QTest::keyClick(dialog.Command1, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(Form3Test)
#include "Form3Test.moc"
