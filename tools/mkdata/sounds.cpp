// The sound effects of every section of the sound bank, one to three
// variations each, and the bank "sound.ini" and the music list "music.ini"
// that name them. Short, soft-edged and never clipping: each sound is
// scaled to its peak after mixing.
#include "tools/mkdata/job.h"
#include "tools/mkdata/sound_recipes.h"
#include "tools/mkdata/synth.h"

#include <cstdio>
#include <string>

namespace mkdata {
namespace {

std::string fileName(const SoundRecipe& recipe, int variation)
{
    return "data\\sound\\" + std::string(recipe.section) + std::to_string(variation) + ".wav";
}

void makeSound(const SoundRecipe& recipe, FileSet& out)
{
    for (int v = 0; v < recipe.variations; ++v) {
        Mix mix(recipe.seconds);
        recipe.draw(mix, v);
        out.add(fileName(recipe, v), encodeWav(mix.finish(recipe.peak), kSampleRate));
    }
}

// The bank: the defaults in "main", then one section per event with its
// files and the settings that differ from the defaults.
std::string soundBank()
{
    std::string ini =
        "; The sound bank: one section per game event, its files and how loud it plays.\n"
        "[main]\npan=0.3\nmaxvolume=0.9\nminvolume=0.6\nmaxfrq=1\nminfrq=1\nr=2000\n";
    for (const SoundRecipe& recipe : soundRecipes()) {
        ini += "\n[" + std::string(recipe.section) + "]\n";
        for (int v = 0; v < recipe.variations; ++v)
            ini += "name" + std::to_string(v) + "=" + fileName(recipe, v) + "\n";
        if (recipe.volume != 0.9) {
            char line[64];
            std::snprintf(line, sizeof line, "maxvolume=%.2f\nminvolume=%.2f\n", recipe.volume, recipe.volume * 0.7);
            ini += line;
        }
        ini += recipe.extra;
    }
    return ini;
}

}  // namespace

void addSoundJobs(JobList& jobs)
{
    for (const SoundRecipe& recipe : soundRecipes())
        jobs.push_back({"sound " + std::string(recipe.section), [&recipe](FileSet& out) { makeSound(recipe, out); }, {}});
    jobs.push_back({"sound bank", [](FileSet& out) {
                        std::string bank = soundBank();
                        out.add("data\\sound\\sound.ini", Bytes(bank.begin(), bank.end()));
                        std::string music = "; The menu and game music, Ogg Vorbis loops.\n[main]\n"
                                            "menu=data\\sound\\menu.ogg\ngame=data\\sound\\game.ogg\n";
                        out.add("data\\sound\\music.ini", Bytes(music.begin(), music.end()));
                    }, {}});
}

}  // namespace mkdata
