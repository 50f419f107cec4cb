// The real main window on the offscreen platform, with recorded desktop
// services and a temporary folder standing in for the executable's folder
// (so its settings file Kalvio.ini lives there).
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

#include "FakeAppServices.h"
#include "app/DatePicker.h"
#include "app/ResultGridModel.h"
#include "app/ResultGridView.h"
#include "app/kihon.h"
#include "controls/NValEdit.h"
#include "controls/NValLabel.h"

namespace kalvio {

class KihonFixture : public ::testing::Test {
protected:
    QString executablePath() const { return dir.filePath(QStringLiteral("kalvio")); }
    QString settingsPath() const { return dir.filePath(QStringLiteral("Kalvio.ini")); }

    void writeSettings(const QByteArray &content) const
    {
        QFile file(settingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QByteArray readSettings() const
    {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TForm1 &create()
    {
        form = std::make_unique<TForm1>(services, executablePath());
        return *form;
    }

    // Shown, activated (FormActivate has run) and painted.
    TForm1 &createShown()
    {
        create();
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        EXPECT_TRUE(QTest::qWaitFor([this] { return form->activationDone(); }, 5000));
        QApplication::processEvents();
        return *form;
    }

    template <class W> W *child(const char *name) const
    {
        W *widget = form->findChild<W *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    NValEdit *edit(int n) const { return child<NValEdit>(("NValEdit" + std::to_string(n)).c_str()); }
    NValLabel *total(int n) const { return child<NValLabel>(("NValLabel" + std::to_string(n)).c_str()); }
    QPushButton *button(const char *name) const { return child<QPushButton>(name); }
    QRadioButton *radio(int n) const
    {
        return child<QRadioButton>(("RadioButton" + std::to_string(n)).c_str());
    }
    ResultGridView *grid() const { return child<ResultGridView>("StringGrid1"); }
    DatePicker *picker(int n) const
    {
        return child<DatePicker>(("DateTimePicker" + std::to_string(n)).c_str());
    }
    QString cell(int col, int row) const { return grid()->Cells(col, row); }

    void click(QAbstractButton *target) const
    {
        ASSERT_NE(target, nullptr);
        // Left part of the control: on a radio button that is its indicator.
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(6, target->height() / 2));
        QApplication::processEvents();
    }

    void typeInto(NValEdit *field, const QString &keys) const
    {
        for (const QChar ch : keys)
            QTest::keyClick(field, ch.toLatin1());
    }

    QString totalsText() const
    {
        QStringList texts;
        for (int n = 1; n <= 5; ++n)
            texts << total(n)->text();
        return texts.join(QLatin1Char('|'));
    }

    QString rowText(int row) const
    {
        QStringList texts;
        for (int col = 0; col < 5; ++col)
            texts << cell(col, row);
        return texts.join(QLatin1Char('|'));
    }

    QTemporaryDir dir;
    FakeAppServices services;
    std::unique_ptr<TForm1> form;
};

} // namespace kalvio
