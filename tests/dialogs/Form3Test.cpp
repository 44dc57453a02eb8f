// The version dialog: its texts, centred and inside the client area, and OK.
#include "forms/version/Form3.h"

#include "tests/common/GuiFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class Form3Test : public QObject {
    Q_OBJECT

private slots:
    void textsAreCentredOneLineEach()
    {
        GuiFixture fixture;
        Form3 dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("バージョン情報"));
        QCOMPARE(dialog.Label1->text(), QStringLiteral("Vaporlane"));
        QCOMPARE(dialog.Label2->text(), QStringLiteral("Version 1.40"));
        QVERIFY(dialog.Label3->text().contains(QStringLiteral("Vaporlane developers")));
        QVERIFY(dialog.Label4->text().contains(QStringLiteral("libaquaprop.so")));
        QVERIFY(!dialog.Label5->text().isEmpty());

        // Top to bottom: name, version, rights, author, engine credit.
        const QList<QLabel*> labels{dialog.Label1, dialog.Label2, dialog.Label3, dialog.Label5, dialog.Label4};
        const double middle = dialog.width() / 2.0;
        for (qsizetype i = 0; i < labels.size(); ++i) {
            QLabel* label = labels[i];
            const QString name = label->text();
            QVERIFY2(label->x() >= 0 && label->geometry().right() < dialog.width(), qPrintable(name));
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(name));
            QVERIFY2(std::abs(label->geometry().center().x() + 0.5 - middle) <= 1.0, qPrintable(name));
            QVERIFY2(!label->wordWrap() && !name.contains(QLatin1Char('\n')), qPrintable(name));
            if (i > 0)
                QVERIFY2(label->y() >= labels[i - 1]->geometry().bottom(), qPrintable(name));
        }
        QVERIFY(labels.back()->geometry().bottom() < dialog.Command1->y());
        QCOMPARE(dialog.focusWidget(), dialog.Command1);
    }

    void okCloses()
    {
        GuiFixture fixture;
        Form3 dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.Command1->click();
        QVERIFY(!dialog.isVisible());
        QVERIFY(fixture.unexpectedDialogs.isEmpty());
    }
};

QTEST_MAIN(Form3Test)
#include "Form3Test.moc"
