// SPDX-License-Identifier: GPL-3.0-or-later
// A timer whose Interval is also its running flag: 0 means stopped.
#pragma once

#include <QTimer>
#include <functional>

class Zamanlayıcı {
public:
    Zamanlayıcı();

    int Interval() const { return aralık_; }
    void SetInterval(int milisaniye);

    // Runs once per interval on the window thread.
    std::function<void()> Timer;

private:
    QTimer sayaç_;
    int aralık_ = 0;
};
