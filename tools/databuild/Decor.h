#pragma once
// The drifting and glowing shapes a template draws around its pictures: bokeh, light leaks,
// petals, leaves, stars, rain, snow, stripes, lines, bubbles, a vignette and a stage frame.

#include "tools/databuild/TemplateSource.h"
#include "tools/moviekit/Movie.h"

namespace databuild {

// Adds the layers of `decor` to `movie` (layers go over everything added before), running
// from frame 0 to the movie's end; `timeScale` stretches the timings.
void AddDecor(moviekit::Movie& movie, const Decor& decor, double timeScale);

// A small seeded generator, so the same description always gives the same movie.
class Random {
public:
    explicit Random(int seed) : state_(uint32_t(seed) * 2654435761u + 12345u) {}
    double next();  // in [0, 1)
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    uint32_t state_;
};

}  // namespace databuild
