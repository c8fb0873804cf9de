// SPDX-License-Identifier: MIT
// MessageBoxAnswerer: answers the real message boxes the windows open, the way a player would,
// and records what each said. It polls from the nested event loop that a modal box runs.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QElapsedTimer>

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
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if ((e->type() == QEvent::Show || e->type() == QEvent::Hide) && qobject_cast<QMessageBox *>(o)) {
            static QElapsedTimer c2; if (!c2.isValid()) c2.start();
            qInfo("EVENT %s box=%p text=%s", e->type() == QEvent::Show ? "show" : "hide", static_cast<void *>(o), qPrintable(static_cast<QMessageBox *>(o)->text()));
        }
        return false;
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
        answering = true;
        static QElapsedTimer clock;
        if (!clock.isValid()) clock.start();
        qInfo("ANSWER box=%p text=%s t=%lld visible=%d", static_cast<void *>(box), qPrintable(box->text()), clock.elapsed(), box->isVisible());
        texts << box->text();
        if (whileOpen) {
            whileOpen(*box);
        }
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
        qInfo("AFTER box=%p t=%lld visible=%d active=%p", static_cast<void *>(box), clock.elapsed(), box->isVisible(), static_cast<void *>(QApplication::activeModalWidget()));
        answering = false;
    }

    QTimer poll;
    bool answering = false;
};

} // namespace sumdrop::testing
