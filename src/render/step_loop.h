#pragma once

namespace tallowen {

// A counted loop over a fractional range: start, end and step are taken once, and the body runs
// for every value from `from` that has not passed `to`. A zero step runs nothing.
template <class Body>
void forStep(double from, double to, double step, Body body) {
    if (!(step > 0) && !(step < 0)) return;
    for (long i = 0;; ++i) {
        const double t = from + static_cast<double>(i) * step;
        if (step > 0 ? t > to : t < to) break;
        body(t);
    }
}

// The values of the same loop, the last first.
template <class Body>
void forStepBackwards(double from, double to, double step, Body body) {
    long count = 0;
    forStep(from, to, step, [&](double) { ++count; });
    for (long i = count - 1; i >= 0; --i) body(from + static_cast<double>(i) * step);
}

}  // namespace tallowen
