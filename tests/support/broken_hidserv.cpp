// A HID service library that is broken on purpose, built once per flaw, so
// that the program's handling of a bad libHidServ.so can be tested:
//   QUOVEX_BROKEN_MISSING_ENTRY_POINT  exports every entry point but RequestStatusSetFeature
//   QUOVEX_BROKEN_INIT_FAILS           Init returns 0
#include "quovex/hidserv_abi.h"

extern "C" {

__attribute__((visibility("default"))) int Init(int) {
#ifdef QUOVEX_BROKEN_INIT_FAILS
    return 0;
#else
    return 1;
#endif
}

__attribute__((visibility("default"))) int RequestGetDeviceCount(const uint8_t*, HidServCallback, uint32_t,
                                                                 uint32_t, uint32_t*) {
    return 0;
}
__attribute__((visibility("default"))) int DeleteRequestFromUnitId(uint32_t) {
    return 1;
}
__attribute__((visibility("default"))) int RequestWriteOne(const uint8_t*, HidServCallback, uint32_t,
                                                           const uint8_t*, uint32_t, uint32_t, uint32_t*) {
    return 0;
}
__attribute__((visibility("default"))) int RequestStatusWrite(const uint8_t*, HidServCallback, uint32_t,
                                                              const uint8_t*, uint32_t, uint32_t, uint32_t*) {
    return 0;
}
__attribute__((visibility("default"))) int RequestAsyncRead(const uint8_t*, HidServCallback, uint32_t,
                                                            uint32_t, uint32_t*) {
    return 0;
}
__attribute__((visibility("default"))) int Debug(int) {
    return 0;
}
__attribute__((visibility("default"))) int End(void) {
    return 0;
}
__attribute__((visibility("default"))) int DeleteRequestFromHandle(void*) {
    return 0;
}
__attribute__((visibility("default"))) int RequestWrite(const uint8_t*, HidServCallback, uint32_t,
                                                        const uint8_t*, uint32_t, uint32_t, uint32_t*) {
    return 0;
}
__attribute__((visibility("default"))) int RequestStatusGet(const uint8_t*, HidServCallback, uint32_t,
                                                            uint8_t*, uint32_t, uint32_t, uint32_t*) {
    return 0;
}
#ifndef QUOVEX_BROKEN_MISSING_ENTRY_POINT
__attribute__((visibility("default"))) int RequestStatusSetFeature(const uint8_t*, HidServCallback, uint32_t,
                                                                   const uint8_t*, uint32_t, uint32_t,
                                                                   uint32_t*) {
    return 0;
}
#endif

}  // extern "C"
