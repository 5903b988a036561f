#include "link/link_timer.h"

#include <QTimer>

namespace r5 {
namespace {

class QtLinkTimer : public LinkTimer {
public:
    QtLinkTimer()
    {
        // The send tick and the short pauses are a few milliseconds; a coarse
        // timer could stretch each by a twentieth.
        timer_.setTimerType(Qt::PreciseTimer);
        connect(&timer_, &QTimer::timeout, this, &LinkTimer::timeout);
    }
    void start(int ms) override { timer_.start(ms); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

} // namespace

std::unique_ptr<LinkTimer> QtLinkTimerFactory::create()
{
    return std::make_unique<QtLinkTimer>();
}

} // namespace r5
