// Printing the window's image: one page, the client area at its on-screen
// size in inches at the printable area's top-left, and a clear error when
// the printer cannot be opened.  Output goes to PDF files checked with
// poppler's command-line tools.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWidget>

#include <stdexcept>

#include "app/WindowPrinter.h"

using kalvio::WindowPrinter;

namespace {

// Runs a poppler tool; nullopt when it is not installed.
std::optional<QString> runTool(const QString &tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

class WindowPrinterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        window_.setWindowTitle(QStringLiteral("printed window"));
        window_.setFixedSize(320, 200);
        window_.setAutoFillBackground(true);
        QPalette palette = window_.palette();
        palette.setColor(QPalette::Window, QColor(255, 0, 0));
        window_.setPalette(palette);
        auto *label = new QLabel(QStringLiteral("計算元本"), &window_);
        label->move(10, 10);
        window_.move(40, 40);
        window_.show();
    }

    QString pdfPath() const { return folder_.filePath(QStringLiteral("window.pdf")); }

    void printToPdf(QPrinter &printer)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath());
        printer.setPageMargins(QMarginsF(12.7, 25.4, 12.7, 12.7), QPageLayout::Millimeter);
        WindowPrinter::printClientArea(window_, printer);
    }

    QTemporaryDir folder_;
    QWidget window_;
};

TEST_F(WindowPrinterTest, PrintsOnePage)
{
    QPrinter printer(QPrinter::HighResolution);
    ASSERT_NO_THROW(printToPdf(printer));
    ASSERT_TRUE(QFileInfo(pdfPath()).size() > 0);
    const auto info = runTool(QStringLiteral("pdfinfo"), {pdfPath()});
    if (!info)
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed; the page count is not checked";
    const auto pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(*info);
    ASSERT_TRUE(pages.hasMatch()) << info->toStdString();
    EXPECT_EQ(pages.captured(1).toInt(), 1);
}

// The embedded image keeps the window's size in inches, whatever the
// printer's resolution.
TEST_F(WindowPrinterTest, ImageKeepsItsOnScreenSizeInInches)
{
    for (const QPrinter::PrinterMode mode : {QPrinter::ScreenResolution, QPrinter::HighResolution}) {
        QPrinter printer(mode);
        ASSERT_NO_THROW(printToPdf(printer));
        const auto list = runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdfPath()});
        if (!list)
            GTEST_SKIP() << "pdfimages (poppler-utils) is not installed";
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi ...
        const QStringList lines = list->split('\n', Qt::SkipEmptyParts);
        ASSERT_GE(lines.size(), 3) << list->toStdString();
        const QStringList fields = lines[2].simplified().split(' ');
        ASSERT_GE(fields.size(), 14) << lines[2].toStdString();
        const double widthInches = fields[3].toDouble() / fields[12].toDouble();
        const double heightInches = fields[4].toDouble() / fields[13].toDouble();
        EXPECT_NEAR(widthInches, double(window_.width()) / window_.logicalDpiX(), 0.01) << "mode " << mode;
        EXPECT_NEAR(heightInches, double(window_.height()) / window_.logicalDpiY(), 0.01) << "mode " << mode;
    }
}

TEST_F(WindowPrinterTest, ImageStandsAtTheTopLeftOfThePrintableArea)
{
    QPrinter printer(QPrinter::HighResolution);
    ASSERT_NO_THROW(printToPdf(printer));
    const QString stem = folder_.filePath(QStringLiteral("page"));
    const auto done = runTool(QStringLiteral("pdftoppm"),
                              {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                               QStringLiteral("-singlefile"), pdfPath(), stem});
    if (!done)
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const QImage page(stem + QStringLiteral(".png"));
    ASSERT_FALSE(page.isNull());
    // The red background of the window marks where its image lies.
    QRect red;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
                red |= QRect(x, y, 1, 1);
        }
    }
    ASSERT_FALSE(red.isNull());
    const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Inch);
    EXPECT_NEAR(red.left(), margins.left() * 96.0, 1.5);
    EXPECT_NEAR(red.top(), margins.top() * 96.0, 1.5);
    EXPECT_NEAR(red.width(), window_.width() * 96.0 / window_.logicalDpiX(), 1.5);
    EXPECT_NEAR(red.height(), window_.height() * 96.0 / window_.logicalDpiY(), 1.5);
}

TEST_F(WindowPrinterTest, PrinterThatCannotBeOpenedThrowsAndWritesNothing)
{
    const QString path = folder_.filePath(QStringLiteral("no such folder/window.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    try {
        WindowPrinter::printClientArea(window_, printer);
        FAIL() << "no error for an output file that cannot be created";
    } catch (const std::runtime_error &error) {
        const QString message = QString::fromUtf8(error.what());
        EXPECT_TRUE(message.contains(QStringLiteral("プリンタを開けません"))) << error.what();
        EXPECT_TRUE(message.contains(QStringLiteral("no such folder"))) << error.what();
    }
    EXPECT_FALSE(QFileInfo::exists(path));
}

} // namespace
