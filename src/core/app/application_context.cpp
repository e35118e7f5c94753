#include "app/application_context.h"

#include "profiles/profile_buttons.h"
#include "profiles/profile_menu.h"

namespace quovex {

ApplicationContext::ApplicationContext(std::unique_ptr<HidServLibrary> library, ApplicationPaths paths,
                                       TextTable texts, FrontEnd front_end, ContextOptions options)
    : library_(std::move(library)),
      link_(std::make_unique<DeviceLink>(*library_, options.link_timing)),
      commands_(*link_),
      paths_(std::move(paths)),
      texts_(std::move(texts)),
      settings_(paths_.settings_file),
      front_end_(front_end),
      profiles_{commands_,           keyboard_,       working_,       write_copy_, paths_, texts_,
                front_end_.prompter, front_end_.view, front_end_.log, lighting_,   flags_, settings_},
      presence_(PresenceServices{commands_, keyboard_, flags_, front_end_.view, front_end_.prompter, texts_,
                                 [this] { HandleProfileSync(profiles_); }, options.ready_poll}) {
    flags_.no_auto_open.store(options.start_hidden);
}

ApplicationContext::~ApplicationContext() {
    BeginShutdown();
    presence_.WaitUntilStopped(std::chrono::hours(1));
    // The link goes first: once it is gone no notification can reach this
    // object, and the attach thread, which used it, has ended.
    link_->SetObserver(nullptr);
    link_.reset();
}

void ApplicationContext::Start() {
    flags_.ready.store(false);
    keyboard_.SetCachedProfile(kProfileUnknown);
    profiles_.SetApplyEnabled(false);
    link_->SetObserver(this);
    link_->OpenChannels();
    std::lock_guard lock(count_mutex_);
    const uint32_t count = link_->GetDeviceCount();
    if (count == 0) flags_.no_auto_open.store(true);
    presence_.StartAttachThread(count);
}

void ApplicationContext::FinishInitialisation() {
    BuildProfileMenu(profiles_);
    flags_.ready.store(true);
    presence_.ReadyChanged();
}

void ApplicationContext::BeginShutdown() {
    presence_.RequestStop();
}

bool ApplicationContext::WaitForAttachThread(std::chrono::milliseconds timeout) {
    return presence_.WaitUntilStopped(timeout);
}

bool ApplicationContext::WaitForPresenceIdle(std::chrono::milliseconds timeout) {
    return presence_.WaitUntilIdle(timeout);
}

void ApplicationContext::OnBankChanged(int bank) {
    front_end_.view.BankChanged(bank);
}

void ApplicationContext::OnLightingChanged() {
    front_end_.view.LightingChangedOnKeyboard();
}

void ApplicationContext::OnTrayEvent(uint16_t code) {
    front_end_.view.TrayEvent(code);
}

void ApplicationContext::OnDeviceCountChanged(uint32_t count) {
    std::lock_guard lock(count_mutex_);
    presence_.StartAttachThread(count);
}

}  // namespace quovex
