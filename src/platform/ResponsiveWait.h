#pragma once

/** Keeps the program's windows alive while the calling thread drives network work itself:
 *  create one before the work, call pump() at least every few tens of milliseconds, let it go
 *  after. On the GUI thread of a QGuiApplication it shows a busy cursor and pump() handles the
 *  pending events, paint included, but holds user input back unless `deliverInput` (a caller
 *  that shows a modal dialog with a Cancel button asks for it); anywhere else it does nothing.
 *  Held-back input arrives after the wait. */
class ResponsiveWait
{
public:
    explicit ResponsiveWait(bool deliverInput = false);
    ~ResponsiveWait();
    ResponsiveWait(const ResponsiveWait&) = delete;
    ResponsiveWait& operator=(const ResponsiveWait&) = delete;

    void pump();

private:
    bool m_onGuiThread;
    bool m_deliverInput;
};
