#include "sound/sound_engine.h"

#include "sound/music_player.h"
#include "sound/sound.h"
#include "sound/sound_group.h"
#include "sound/sound_lock.h"
#include "sound/sound_registry.h"

#include <chrono>
#include <condition_variable>
#include <thread>

float sndVolume[2] = {0.0f, 0.0f};

namespace {

// The service thread with its stop flag.
class ServiceThread {
public:
    void start()
    {
        stop_ = false;
        thread_ = std::thread([this] { run(); });
    }

    bool running() const { return thread_.joinable(); }

    void stop()
    {
        {
            std::lock_guard guard(wake_);
            stop_ = true;
        }
        wakeUp_.notify_all();
        thread_.join();
    }

private:
    void run()
    {
        platform::audioRaiseThreadPriority();  // a refusal changes nothing
        std::unique_lock guard(wake_);
        while (!stop_) {
            guard.unlock();
            SoundServicePass();
            guard.lock();
            // Fades advance by exactly one tick per pass, whatever the real time.
            wakeUp_.wait_for(guard, std::chrono::milliseconds(SND_TICK), [this] { return stop_; });
        }
    }

    std::thread thread_;
    std::mutex wake_;
    std::condition_variable wakeUp_;
    bool stop_ = false;
};

ServiceThread sndThread;
bool soundOn = false;

}  // namespace

std::recursive_mutex& soundLock()
{
    // Never destroyed: sounds still registered at exit take it too.
    static auto* lock = new std::recursive_mutex;
    return *lock;
}

void SoundInit(void*, platform::AudioOutput output, SoundService service)
{
    SoundLock lock;
    if (!platform::audioOpen(output)) {
        SoundDone();
        return;
    }
    soundOn = true;
    if (service == SoundService::Thread && !sndThread.running())
        sndThread.start();
    createSoundGroups();
    createMusicPlayer();
}

void SoundDone()
{
    // The pass takes the lock, so the thread is stopped without holding it.
    if (sndThread.running())
        sndThread.stop();
    SoundLock lock;
    for (std::size_t i = sndList.count(); i-- > 0;)
        delete sndList.at(i);
    freeSoundGroups();
    freeMusicPlayer();
    platform::audioClose();
    soundOn = false;
}

bool SoundIsOn() { return soundOn; }

Sound* SoundFind(std::string_view name)
{
    SoundLock lock;
    return sndList.find(name);
}

Sound* SoundLoad(std::string_view name, int mode)
{
    SoundLock lock;
    if (name.empty())
        return nullptr;
    if (Sound* found = sndList.find(name))
        return found;
    auto* sound = new Sound(name, mode);
    sound->Load();
    return sound;
}

void SetSoundVolume(float value, int mode)
{
    SoundLock lock;
    sndVolume[mode & 1] = value;
    for (std::size_t i = sndList.count(); i-- > 0;)
        if (Sound* sound = sndList.at(i))
            sound->SetVolume(sound->Volume);
}

float GetSoundVolume(int mode)
{
    SoundLock lock;
    return sndVolume[mode & 1];
}

void ReapSounds()
{
    SoundLock lock;
    for (std::size_t i = sndList.count(); i-- > 0;) {
        Sound* sound = sndList.at(i);
        if (sound && sound->bOneShot && !sound->IsPlaying())
            delete sound;  // the destructor empties the entry
    }
}

void SoundServicePass()
{
    SoundLock lock;
    for (std::size_t i = 0; i < sndList.count(); ++i)
        if (Sound* sound = sndList.at(i); sound && sound->bService)
            sound->Update();
}
