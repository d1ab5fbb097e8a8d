#pragma once

#include "platform/DVClock.h"
#include "platform/DVMessageBox.h"

#include <QString>
#include <QStringList>

#include <deque>

// Records every message box while it lives and answers from a script (the default button when the
// script is empty).
class MessageRecorder {
public:
    MessageRecorder() {
        m_previous = SetDVMessageBoxHandler([this](const QString& text, unsigned type) {
            texts.append(text);
            types.push_back(type);
            if (answers.empty()) {
                return DVDefaultAnswer(type);
            }
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    ~MessageRecorder() { SetDVMessageBoxHandler(m_previous); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void Clear() {
        texts.clear();
        types.clear();
    }

    QStringList texts;
    std::vector<unsigned> types;
    std::deque<int> answers;

private:
    DVMessageBoxHandler m_previous;
};

// Fixes "now" while it lives.
class FixedClock {
public:
    explicit FixedClock(qint64 now) : m_now(now) {
        m_previous = SetDVClock([this] { return m_now; });
    }
    ~FixedClock() { SetDVClock(m_previous); }
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

    void Set(qint64 now) { m_now = now; }

private:
    qint64 m_now;
    std::function<qint64()> m_previous;
};
