#pragma once

#include "cards/card_picture_sink.h"
#include "platform/registry_store.h"
#include "poker/card.h"

#include <cstdint>
#include <string>

namespace quintaro {

// The face set and card back in use. Loaded from the settings key when the first card of
// the process comes into being and written back, when changed, when the last card goes;
// so a look chosen in the Options dialog is saved as the old deck goes and read straight
// back by the new one.
//
// The look installs itself as the card lifecycle observer for its own lifetime, so it
// must be created before any card exists and must outlive every card (the table window
// destroys its deck first). The store and the sink must outlive the look.
class CardLook : public CardLifecycleObserver {
public:
    // `number` is the program's number N behind the defaults: back (N mod 100) div 10,
    // face set N mod 10. With an empty settings key nothing is read or written.
    CardLook(RegistryStore& store, std::string settingsKey, std::uint32_t number);
    ~CardLook() override;
    CardLook(const CardLook&) = delete;
    CardLook& operator=(const CardLook&) = delete;

    // nullptr for none; then loading and choosing only change the numbers.
    void setPictureSink(CardPictureSink* sink) { m_sink = sink; }

    void firstCardCreated() override;
    void lastCardDestroyed() override;

    // The player's choice from the Options dialog: takes effect on the pictures at once
    // and reaches the settings when the current deck goes.
    void choose(std::uint16_t faceSet, std::uint16_t back);

    std::uint16_t faceSet() const { return m_faceSet; }
    std::uint16_t back() const { return m_back; }
    std::uint16_t faceSetAsLoaded() const { return m_faceSetAsLoaded; }
    std::uint16_t backAsLoaded() const { return m_backAsLoaded; }
    const std::string& settingsKey() const { return m_settingsKey; }

    static constexpr const char* faceValueName = "CardFace";
    static constexpr const char* backValueName = "CardBack";

private:
    std::uint16_t readValue(const char* name, std::uint16_t fallback) const;

    RegistryStore& m_store;
    std::string m_settingsKey;
    std::uint32_t m_number;
    CardPictureSink* m_sink = nullptr;
    std::uint16_t m_faceSet = 0;
    std::uint16_t m_faceSetAsLoaded = 0;
    std::uint16_t m_back = 0;
    std::uint16_t m_backAsLoaded = 0;
};

} // namespace quintaro
