// The two music tracks, composed here: a chord progression, a melody
// built from a motif that is repeated and varied phrase by phrase, a
// plucked bass, soft organ chords, sleigh bells and a gentle beat, in a
// festive bell timbre. Mixed into a loop buffer, so each track loops
// without a seam; encoded as Ogg Vorbis.
#include "tools/mkdata/job.h"
#include "tools/mkdata/ogg_writer.h"
#include "tools/mkdata/synth.h"

#include <array>
#include <cstdint>

namespace mkdata {
namespace {

struct Piece {
    const char* name;
    double bpm;
    int beatsPerBar;
    int bars;        // four-bar phrases in the order A A' B A, repeated
    int key;         // note number of the tonic
    std::uint32_t seed;
    std::array<int, 8> chords;  // scale degree of each bar's chord (0 = I)
    bool swingBells;
};

// Major scale steps from the tonic, by degree.
int scaleNote(int key, int degree)
{
    static constexpr int kSteps[7] = {0, 2, 4, 5, 7, 9, 11};
    int octave = degree >= 0 ? degree / 7 : -((-degree + 6) / 7);
    int d = degree - octave * 7;
    return key + 12 * octave + kSteps[d];
}

class Composer {
public:
    explicit Composer(const Piece& piece) : p_(piece), beat_(60.0 / piece.bpm), rng_(piece.seed) {}

    std::vector<std::int16_t> render()
    {
        double length = p_.bars * p_.beatsPerBar * beat_;
        Mix mix(length, 2, true);
        std::vector<int> motif = makeMotif();
        std::vector<int> answer = makeMotif();
        for (int bar = 0; bar < p_.bars; ++bar) {
            int chord = p_.chords[std::size_t(bar % 8)];
            double t0 = bar * p_.beatsPerBar * beat_;
            accompaniment(mix, t0, chord);
            int phrase = (bar / 4) % 4;  // A A' B A
            const std::vector<int>& line = phrase == 2 ? answer : motif;
            melody(mix, t0, chord, line, bar % 4, phrase == 1);
        }
        return mix.finish(0.7);
    }

private:
    unsigned next()
    {
        rng_ = rng_ * 214013u + 2531011u;
        return (rng_ >> 16) & 0x7FFF;
    }

    // Scale-degree offsets for four bars, one per beat; 99 is a rest.
    std::vector<int> makeMotif()
    {
        std::vector<int> steps;
        int degree = 2;
        for (int i = 0; i < 4 * p_.beatsPerBar; ++i) {
            if (i % p_.beatsPerBar == p_.beatsPerBar - 1 && next() % 3 == 0) {
                steps.push_back(99);
                continue;
            }
            int move = int(next() % 5) - 2;
            degree = std::max(-1, std::min(7, degree + move));
            steps.push_back(degree);
        }
        steps.back() = 0;  // phrases come home
        return steps;
    }

    void melody(Mix& mix, double t0, int chord, const std::vector<int>& line, int barInPhrase, bool varied)
    {
        for (int b = 0; b < p_.beatsPerBar; ++b) {
            int step = line[std::size_t(barInPhrase * p_.beatsPerBar + b)];
            if (step == 99)
                continue;
            // Strong beats lean on the chord tones.
            int degree = step;
            if (b == 0)
                degree = chord + ((step - chord) % 7 + 7) % 7 / 2 * 2;
            if (varied && b == p_.beatsPerBar - 1)
                degree += 2;
            double f = noteFrequency(scaleNote(p_.key + 12, degree));
            double pan = 0.15 * ((b % 2) ? 1 : -1);
            mix.add(Tone{t0 + b * beat_, beat_ * 1.8, f, 0, 0.32, Wave::Bell, 0.004, 3.2, 0, pan});
            mix.add(Tone{t0 + b * beat_, beat_ * 0.9, f * 2, 0, 0.06, Wave::Sine, 0.004, 6, 0, -pan});
            if (p_.swingBells && b % 2 == 1 && next() % 2 == 0) {
                double grace = noteFrequency(scaleNote(p_.key + 12, degree + 2));
                mix.add(Tone{t0 + (b + 0.5) * beat_, beat_, grace, 0, 0.18, Wave::Bell, 0.004, 4, 0, pan});
            }
        }
    }

    void accompaniment(Mix& mix, double t0, int chord)
    {
        double barLength = p_.beatsPerBar * beat_;
        for (int k : {0, 2, 4}) {
            double f = noteFrequency(scaleNote(p_.key - 12, chord + k));
            mix.add(Tone{t0, barLength * 1.05, f, 0, 0.07, Wave::Organ, 0.15, 0.6, 0.08, (k - 2) * 0.3});
        }
        for (int b = 0; b < p_.beatsPerBar; ++b) {
            bool strong = b == 0 || (p_.beatsPerBar == 4 && b == 2);
            double t = t0 + b * beat_;
            if (strong) {
                double root = noteFrequency(scaleNote(p_.key - 24, chord + (b == 2 ? 4 : 0)));
                mix.add(Tone{t, beat_ * 1.5, root, 0, 0.4, Wave::Pluck, 0.004, 3.5});
                mix.add(Tone{t, 0.12, 110, 45, 0.35, Wave::Sine, 0.002, 18});
            } else if (p_.beatsPerBar == 3) {
                // Waltz: chords on two and three.
                for (int k : {2, 4})
                    mix.add(Tone{t, beat_ * 0.7, noteFrequency(scaleNote(p_.key, chord + k)), 0, 0.08, Wave::Pluck,
                                 0.004, 6, 0, 0.3});
            }
            // Sleigh bells on the eighths, a little louder on the off-beat.
            for (int half = 0; half < 2; ++half)
                mix.add(Noise{t + half * beat_ / 2, 0.09, half ? 0.05 : 0.03, 12000, 6000, 0.002, 35,
                              half ? 0.4 : -0.4});
        }
    }

    const Piece& p_;
    double beat_;
    std::uint32_t rng_;
};

const std::array<Piece, 2>& pieces()
{
    static const std::array<Piece, 2> list = {{
        {"data\\sound\\menu.ogg", 96, 3, 40, 67, 1225, {0, 5, 3, 4, 0, 3, 1, 4}, false},
        {"data\\sound\\game.ogg", 124, 4, 40, 65, 2512, {0, 3, 5, 4, 0, 3, 4, 0}, true},
    }};
    return list;
}

}  // namespace

void addMusicJobs(JobList& jobs)
{
    for (const Piece& piece : pieces())
        jobs.push_back({piece.name, [&piece](FileSet& out) {
                            Composer composer(piece);
                            out.add(piece.name, encodeOgg(composer.render(), 2, kSampleRate, 0.3f));
                        }, {}});
}

}  // namespace mkdata
