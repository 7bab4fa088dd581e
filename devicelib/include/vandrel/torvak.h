/* The three functions of the device-communication library (libVandrel.so,
 * Vandrel.dll). The program loads the library at run time and looks these up
 * by name; any library exporting them with these types serves. */
#ifndef VANDREL_TORVAK_H
#define VANDREL_TORVAK_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define TORVAK_CALL __stdcall
#else
#define TORVAK_CALL
#endif

#if defined(_WIN32)
#define TORVAK_EXPORT __declspec(dllexport)
#else
#define TORVAK_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Success reply code. */
#define TORVAK_REPLY_OK 2000

/* Reply codes the library itself writes when no valid reply arrived. */
#define TORVAK_FAIL_NO_CONNECTION 0xFFF0u /* unknown, closed or broken handle */
#define TORVAK_FAIL_TIMEOUT 0xFFF1u       /* no matching reply within the time-out */
#define TORVAK_FAIL_CORRUPT 0xFFF2u       /* a reply arrived but could not be decoded */
#define TORVAK_FAIL_SEND 0xFFF3u          /* the request could not be sent */
#define TORVAK_FAIL_ARGUMENT 0xFFF4u      /* a size or length out of range */

/* Opens a connection. module: "brisel.dll" (TCP: address = dotted IPv4,
 * number = port) or "camoret.dll" (serial: address = port name, number =
 * device number, baud = baud rate). Returns 0 on failure, else a handle;
 * a handle is returned only after the device answered the handshake. */
typedef int32_t(TORVAK_CALL* TorvakInitFn)(const char* module, const char* address, int32_t number,
                                           int32_t baud, int32_t reserved1, int32_t reserved2);

/* Sends one command. code: command code on entry, reply code on return.
 * buffer: request bytes (length of them, at most 1024), receives reply data up
 * to size bytes; may be null when size and length are 0. timeoutMs: how long
 * to wait for the reply (at least 1). Returns 1 when the device replied
 * (whatever the code), 0 when code holds one of the TORVAK_FAIL_* codes. */
typedef int32_t(TORVAK_CALL* TorvakSendCmdFn)(int32_t handle, uint16_t* code, char* buffer,
                                              int32_t size, int32_t length, int32_t timeoutMs);

/* Closes the connection; an unknown handle is ignored (returns 0). */
typedef int32_t(TORVAK_CALL* TorvakCloseFn)(int32_t handle);

TORVAK_EXPORT int32_t TORVAK_CALL TORVAK_INIT(const char* module, const char* address,
                                              int32_t number, int32_t baud, int32_t reserved1,
                                              int32_t reserved2);
TORVAK_EXPORT int32_t TORVAK_CALL TORVAK_SENDCMD(int32_t handle, uint16_t* code, char* buffer,
                                                 int32_t size, int32_t length, int32_t timeoutMs);
TORVAK_EXPORT int32_t TORVAK_CALL TORVAK_CLOSE(int32_t handle);

#ifdef __cplusplus
}
#endif

#endif
