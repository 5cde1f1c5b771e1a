// SPDX-License-Identifier: GPL-3.0-or-later
// The owned count keeps the size its text needs at every count, however the count was reached: ticked one
// by one, unticked, or set by a load that changes many boxes at once.

#include "forms/Unit1.h"
#include "support/FakeServices.h"

#include <QCheckBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCountSize : public QObject
{
    Q_OBJECT

private:
    static QLabel* count(numislot::TForm1& form) { return form.findChild<QLabel*>(u"Label17"_s); }

private Q_SLOTS:
    void sizeFollowsTheTextBothWays();
    void loadEndsWithTheSizeOfItsCount();
};

void TestCountSize::sizeFollowsTheTextBothWays()
{
    FakeServices services;
    numislot::TForm1 form(services);
    QLabel* label = count(form);
    QList<QSize> upwards { label->size() };
    for (int slot = 1; slot <= 128; ++slot) {
        form.checkBox(slot)->setChecked(true);
        QCOMPARE(label->text(), QString::number(slot));
        QCOMPARE(label->size(), label->sizeHint());
        upwards.append(label->size());
    }
    // One digit, two and three do not fit the same box.
    QVERIFY(upwards[128].width() > upwards[9].width());
    QVERIFY(upwards[10].width() > upwards[9].width());
    for (int slot = 128; slot >= 1; --slot) {
        form.checkBox(slot)->setChecked(false);
        QCOMPARE(label->text(), QString::number(slot - 1));
        QCOMPARE(label->size(), upwards[slot - 1]);
    }
}

void TestCountSize::loadEndsWithTheSizeOfItsCount()
{
    const QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QByteArray bytes(128, '0');
    for (int at = 0; at < 107; ++at)
        bytes[at] = '1';
    const QString path = dir.filePath(u"some.eur"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == 128);
    file.close();

    FakeServices services;
    numislot::TForm1 form(services);
    form.show();
    services.fileAnswers.push_back(path);
    QVERIFY(form.openDialog().execute(services, &form));
    QVERIFY(form.LoadCollection());
    QLabel* label = count(form);
    QCOMPARE(label->text(), u"107"_s);
    QCOMPARE(label->size(), label->sizeHint());
    QVERIFY(services.messages.isEmpty());
}

QTEST_MAIN(TestCountSize)
#include "tst_countsize.moc"
