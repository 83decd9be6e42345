#include "backends/devices/alsa_devices.h"

#include <alsa/asoundlib.h>

#include <memory>
#include <string>

#include "backends/devices/device_filter.h"
#include "backends/devices/filter_class_ids.h"
#include "platform/utf8.h"

namespace lumora::devices {

namespace {

struct ControlCloser {
    void operator()(snd_ctl_t* control) const { snd_ctl_close(control); }
};
struct CardInfoFree {
    void operator()(snd_ctl_card_info_t* info) const { snd_ctl_card_info_free(info); }
};
struct PcmInfoFree {
    void operator()(snd_pcm_info_t* info) const { snd_pcm_info_free(info); }
};

std::string CleanText(const char* text) { return text ? CleanDeviceText(text) : std::string(); }

// "pcm name (card name, hw:C,D)"
MemberList AlsaMembers(snd_pcm_stream_t stream) {
    MemberList members;
    snd_ctl_card_info_t* rawCard = nullptr;
    snd_pcm_info_t* rawPcm = nullptr;
    if (snd_ctl_card_info_malloc(&rawCard) < 0) return members;
    const std::unique_ptr<snd_ctl_card_info_t, CardInfoFree> cardInfo(rawCard);
    if (snd_pcm_info_malloc(&rawPcm) < 0) return members;
    const std::unique_ptr<snd_pcm_info_t, PcmInfoFree> pcmInfo(rawPcm);

    int card = -1;
    // A card number above the kernel's limit would mean a broken library; stop there.
    for (int guard = 0; guard < 64 && snd_card_next(&card) == 0 && card >= 0; ++guard) {
        const std::string cardId = "hw:" + std::to_string(card);
        snd_ctl_t* rawControl = nullptr;
        if (snd_ctl_open(&rawControl, cardId.c_str(), SND_CTL_NONBLOCK) < 0) continue;
        const std::unique_ptr<snd_ctl_t, ControlCloser> control(rawControl);
        if (snd_ctl_card_info(control.get(), cardInfo.get()) < 0) continue;
        const std::string cardName = CleanText(snd_ctl_card_info_get_name(cardInfo.get()));

        int device = -1;
        for (int count = 0;
             count < 256 && snd_ctl_pcm_next_device(control.get(), &device) == 0 && device >= 0; ++count) {
            snd_pcm_info_set_device(pcmInfo.get(), static_cast<unsigned>(device));
            snd_pcm_info_set_subdevice(pcmInfo.get(), 0);
            snd_pcm_info_set_stream(pcmInfo.get(), stream);
            // Fails when the device has no PCM in this direction.
            if (snd_ctl_pcm_info(control.get(), pcmInfo.get()) < 0) continue;
            std::string name = CleanText(snd_pcm_info_get_name(pcmInfo.get()));
            name += " (" + cardName + ", hw:" + std::to_string(card) + "," + std::to_string(device) + ")";
            members.push_back(DeviceFilterMember(name, CLSID_AudioDeviceFilter));
        }
    }
    return members;
}

}  // namespace

MemberList AlsaCaptureMembers() { return AlsaMembers(SND_PCM_STREAM_CAPTURE); }

MemberList AlsaPlaybackMembers() { return AlsaMembers(SND_PCM_STREAM_PLAYBACK); }

}  // namespace lumora::devices
