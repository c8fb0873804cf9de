// SPDX-License-Identifier: MIT
// MessageBoxAnswerer: answers the real message boxes the windows open, the way a player would,
// and records what each said. Each box is answered and recorded once, and the next only after
// it has closed. It polls from the nested event loop that a modal box runs.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <functional>

namespace sumdrop::testing {

class MessageBoxAnswerer : public QObject {
public:
    enum class CloseBy { OkButton, EnterKey, EscapeKey, CloseBox };

    MessageBoxAnswerer()
    {
        poll.setInterval(5);
        connect(&poll, &QTimer::timeout, this, &MessageBoxAnswerer::Answer);
        poll.start();
    }

    // The texts of the boxes answered so far, oldest first.
    QStringList texts;
    // How the next boxes are closed.
    CloseBy closeBy = CloseBy::OkButton;
    // Runs while a box is open, before it is closed: the place to look at it or wait.
    std::function<void(QMessageBox &)> whileOpen;

private:
    void Answer()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible() || answering) {
            return;
        }
        if (box == answered) {
            // Answered already: only its closing lets the next answer through, so a box that
            // stays open after its answer fails the test by its time limit, and says so here.
            if (!reportedStillOpen && sinceAnswer.elapsed() > StillOpenReportMilliseconds) {
                qWarning("the box \"%s\" is still open %lld ms after its answer", qPrintable(box->text()),
                         static_cast<long long>(sinceAnswer.elapsed()));
                reportedStillOpen = true;
            }
            return;
        }
        answering = true;
        answered = box;
        reportedStillOpen = false;
        texts << box->text();
        if (whileOpen) {
            whileOpen(*box);
        }
        sinceAnswer.start();
        switch (closeBy) {
        case CloseBy::OkButton:
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            break;
        case CloseBy::EnterKey:
            QTest::keyClick(box, Qt::Key_Return);
            break;
        case CloseBy::EscapeKey:
            QTest::keyClick(box, Qt::Key_Escape);
            break;
        case CloseBy::CloseBox:
            box->close();
            break;
        }
        answering = false;
    }

    QTimer poll;
    bool answering = false;
    // The box last answered, until it is gone: the next one may be built at the same address.
    QPointer<QMessageBox> answered;
    QElapsedTimer sinceAnswer;
    bool reportedStillOpen = false;
    static constexpr qint64 StillOpenReportMilliseconds = 1000;
};

} // namespace sumdrop::testing
