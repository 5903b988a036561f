#!/usr/bin/env python3
"""Writes the seed inputs of every fuzz target into fuzz/corpus/<target>/.

An exchange seed is the radio's side of a good exchange in the player's
record form (see exchange_player.h): each answer waits for the program's
command, and some seeds split answers, break the line or press the button
again so the fuzzer starts from those paths too.
"""
import pathlib

HERE = pathlib.Path(__file__).resolve().parent
WAIT = 0x80
PULL, ABORT, PRESS = 0x7D, 0x7E, 0x7F
ACK = b"\x06"


def chunk(data, delay=1, wait=True):
    out = b""
    while True:
        part, data = data[:255], data[255:]
        out += bytes([(WAIT if wait else 0) | delay, len(part)]) + part
        wait = False
        if not data:
            return out


def split(data, delay=1):
    half = len(data) // 2
    return chunk(data[:half], delay) + chunk(data[half:], 3, wait=False)


def handshake():
    return bytes([0xAA, 0, 0, 0, 0, 0, 0xAA, 0, 0])


def frame(address, echo=True, fill=0x11):
    body = bytes([0x58, address >> 8, address & 0xFF, 0x40]) + bytes((fill + i) & 0xFF for i in range(64))
    return (ACK if echo else b"") + body


def memory_read(answer=chunk, answers=19):
    replies = [handshake(), frame(0x3A0, echo=False)] + [frame(a * 64) for a in [0] + list(range(16))]
    return b"".join(answer(r) for r in replies[:answers])


def acks(count):
    return b"".join(chunk(ACK) for _ in range(count))


def password_record(text, last=chunk(ACK)):
    record = bytes([0x58, 0x03, 0xA0, 0x40]) + text + bytes(64 - len(text))
    return chunk(bytes([0xAA, 0, 0, 0, 0, 0, 0, 0xBB])) + chunk(ACK) + chunk(record) + last


def number_file(rows, cells, value):
    return b"".join(b"".join(b" %d " % value(r, c) for c in range(cells)) + b"\r\n" for r in range(rows))


CSV_HEADER = (b"channel,rx_mhz,tx_mhz,decode_tone,encode_tone,power,bandwidth,scan,scrambler,ptt_id,"
              b"option_signalling,sp_unmute,busy_lockout,compander,beat_shift,autodial_memory\r\n")


def channel_table(model, lines, end=b"\r\n"):
    """A channel table seed: the model's index, then the header and one line per channel."""
    rows = [lines.get(n, str(n).encode()) for n in range(1, 17)]
    return bytes([model]) + CSV_HEADER + end.join(rows) + end


SEEDS = {
    "channel_file": {
        "whole": number_file(54, 22, lambda r, c: (r * 22 + c) % 256 if c < 16 else -c),
        "short": b"1, 2,\t3\n-4 x\n",
        "byte_out_of_range": b"\xef\xbb\xbf 300 1 2\n",
        "control_codes": b" 1 \x1b[2J\x07 ",
    },
    "channel_csv": {
        "vhf_one_channel": channel_table(0, {3: b"3,145,,d023n,,low,Narrow,None,2,ON,DTMF,QT/DQT+ Opt.Sig,"
                                                 b"Option Signalling,On,On,8"}),
        "uhf_quoted": channel_table(1, {1: b'1,"400.025","400.025",67.0,D754I,High,Wide,Add,Off,OFF,Off,'
                                           b'"QT/DQT",Off,Off,Off,1'}, end=b"\n"),
        "empty_channels": channel_table(2, {}),
    },
    "adjust_file": {
        "whole": number_file(32, 16, lambda r, c: (r * 16 + c) % 256),
        "too_many": number_file(32, 16, lambda r, c: 1) + b" 7\n",
    },
    "read_exchange": {
        "good": memory_read(),
        "split_answers": memory_read(split),
        "pressed_again": chunk(handshake()) + bytes([PRESS]) + memory_read(),
        "aborted": memory_read(answers=6) + bytes([ABORT]),
        "line_pulled": memory_read(answers=9) + bytes([PULL]) + memory_read(),
    },
    "write_exchange": {
        "good": chunk(handshake()) + chunk(frame(0x3A0, echo=False)) + acks(49),
        "pressed_again": chunk(handshake()) + bytes([PRESS]) + chunk(handshake())
        + chunk(frame(0x3A0, echo=False)) + acks(49),
    },
    "password_exchange": {
        "no_password": password_record(b"      "),
        "old_password": password_record(b"123456"),
        "wrong_password": password_record(b"999999"),
        "early_ack": password_record(b"      ", chunk(ACK, delay=20, wait=False) + chunk(ACK)),
    },
    "tuning_read_exchange": {
        "good": chunk(handshake()) + b"".join(chunk(frame(0x1E00 + b * 64)) for b in range(8)),
    },
    "tuning_write_exchange": {
        "good": chunk(handshake()) + acks(33),
    },
}

for target, seeds in SEEDS.items():
    folder = HERE / "corpus" / target
    folder.mkdir(parents=True, exist_ok=True)
    for name, data in seeds.items():
        (folder / name).write_bytes(data)
