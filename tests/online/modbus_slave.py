#!/usr/bin/python3
"""A Modbus slave for the online tests: pymodbus decodes, executes and encodes every request;
this script only moves bytes and takes commands.

    modbus_slave.py tcp|rtu [--units 1,2] [--hole TABLE:FIRST:LAST]... [--baud N]

TCP listens on a free loopback port and prints "PORT n"; RTU opens a pseudo-terminal pair and
prints "PTY path" (the master end stays here). Every table of every unit holds addresses 0 to 999
except the holes, which answer "illegal data address". With --baud an RTU answer comes as late as
on a real line at that speed (11 bits a character): after the request's and the answer's
characters and the 3.5-character silence that ends the request. Commands on standard input, one a line,
each answered with a line:
    set TABLE ADDRESS VALUE...   consecutive values from ADDRESS on       -> OK
    get TABLE ADDRESS            the value                                -> VALUE n
    served                       the requests answered so far             -> SERVED n
    silent on|off                stop answering / answer again            -> OK
    garbage on|off               answers with a broken CRC (RTU)          -> OK
    down | up                    TCP: close the port and every connection / listen again -> OK
    quit
TABLE is co (coils), di (discrete inputs), ir (input registers) or hr (holding registers).
"""

import argparse
import logging
import os
import selectors
import socket
import sys
import time
import tty

from pymodbus.datastore import ModbusServerContext, ModbusSlaveContext, ModbusSparseDataBlock
from pymodbus.exceptions import NoSuchSlaveException
from pymodbus.factory import ServerDecoder
from pymodbus.framer.rtu_framer import ModbusRtuFramer
from pymodbus.framer.socket_framer import ModbusSocketFramer
from pymodbus.pdu import ModbusExceptions

TABLES = {"co": "c", "di": "d", "ir": "i", "hr": "h"}
SIZE = 1000


def make_context(units, holes):
    slaves = {}
    for unit in units:
        blocks = {}
        for name in TABLES:
            cells = {a: 0 for a in range(SIZE)}
            for table, first, last in holes:
                if table == name:
                    for a in range(first, last + 1):
                        cells.pop(a, None)
            blocks[name] = ModbusSparseDataBlock(cells)
        slaves[unit] = ModbusSlaveContext(zero_mode=True, **blocks)
    return ModbusServerContext(slaves=slaves, single=False)


class Slave:
    def __init__(self, mode, units, holes, baud=0):
        self.mode = mode
        self.char_time = 11.0 / baud if baud else 0.0
        self.units = units
        self.context = make_context(units, holes)
        self.decoder = ServerDecoder()
        self.silent = False
        self.served = 0
        self.garbage = False
        self.sel = selectors.DefaultSelector()
        self.listener = None
        self.port = 0
        self.clients = {}

    # --- serving ---------------------------------------------------------------------------
    def answer(self, framer, send):
        def execute(request):
            try:
                response = request.execute(self.context[request.unit_id])
            except NoSuchSlaveException:
                return
            except Exception:  # pylint: disable=broad-except
                response = request.doException(ModbusExceptions.SlaveFailure)
            if self.silent:
                return
            self.served += 1
            response.transaction_id = request.transaction_id
            response.unit_id = request.unit_id
            packet = bytearray(framer.buildPacket(response))
            if self.garbage:
                packet[-1] ^= 0xFF
            if self.char_time:
                # Request: address, function, data, CRC; the answer's characters likewise.
                chars = len(request.encode()) + 4 + len(packet) + 3.5
                time.sleep(chars * self.char_time)
            send(bytes(packet))
        return execute

    def feed(self, framer, data, send):
        framer.processIncomingPacket(data, self.answer(framer, send), self.units, single=False)

    def listen(self):
        self.listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        self.listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.listener.bind(("127.0.0.1", self.port))
        self.listener.listen(8)
        self.port = self.listener.getsockname()[1]
        self.sel.register(self.listener, selectors.EVENT_READ, self.accept)

    def accept(self, _):
        conn, _ = self.listener.accept()
        framer = ModbusSocketFramer(self.decoder)
        self.clients[conn] = framer
        self.sel.register(conn, selectors.EVENT_READ, self.tcp_data)

    def tcp_data(self, conn):
        # "down" in the same round of select may have closed the connection already.
        if conn not in self.clients:
            return
        try:
            data = conn.recv(4096)
        except OSError:
            data = b""
        if not data:
            self.drop(conn)
            return
        self.feed(self.clients[conn], data, conn.sendall)

    def drop(self, conn):
        if conn not in self.clients:
            return
        self.sel.unregister(conn)
        self.clients.pop(conn, None)
        conn.close()

    def down(self):
        for conn in list(self.clients):
            self.drop(conn)
        if self.listener:
            self.sel.unregister(self.listener)
            self.listener.close()
            self.listener = None

    def open_pty(self):
        master, slave = os.openpty()
        tty.setraw(slave)
        self.pty_slave = slave  # kept open: the line stays up between the master's opens
        self.master = master
        framer = ModbusRtuFramer(self.decoder)
        self.sel.register(master, selectors.EVENT_READ,
                          lambda fd: self.feed(framer, os.read(fd, 4096),
                                               lambda b: os.write(fd, b)))
        return os.ttyname(slave)

    # --- commands --------------------------------------------------------------------------
    def commands(self, _):
        # Unbuffered: lines that arrive together must not wait in a buffer select() cannot see.
        data = os.read(sys.stdin.fileno(), 4096)
        if not data:
            sys.exit(0)
        self.pending += data
        while b"\n" in self.pending:
            line, self.pending = self.pending.split(b"\n", 1)
            self.command(line.decode())

    def command(self, line):
        words = line.split()
        reply = "OK"
        if not words:
            return
        if words[0] == "set":
            fc = TABLES[words[1]]
            values = [int(w, 0) for w in words[3:]]
            for unit in self.units:
                self.context[unit].store[fc].setValues(int(words[2]), values)
        elif words[0] == "get":
            fc = TABLES[words[1]]
            value = self.context[self.units[0]].store[fc].getValues(int(words[2]), 1)[0]
            reply = f"VALUE {int(value)}"
        elif words[0] == "served":
            reply = f"SERVED {self.served}"
        elif words[0] == "silent":
            self.silent = words[1] == "on"
        elif words[0] == "garbage":
            self.garbage = words[1] == "on"
        elif words[0] == "down":
            self.down()
        elif words[0] == "up":
            self.listen()
        elif words[0] == "quit":
            sys.exit(0)
        else:
            reply = "ERROR unknown command"
        print(reply, flush=True)

    def run(self):
        if self.mode == "tcp":
            self.listen()
            print(f"PORT {self.port}", flush=True)
        else:
            print(f"PTY {self.open_pty()}", flush=True)
        self.pending = b""
        self.sel.register(sys.stdin, selectors.EVENT_READ, self.commands)
        while True:
            for key, _ in self.sel.select():
                key.data(key.fileobj)


def main():
    # Exception answers are the tests' business, not errors to log.
    logging.disable(logging.CRITICAL)
    parser = argparse.ArgumentParser()
    parser.add_argument("mode", choices=["tcp", "rtu"])
    parser.add_argument("--units", default="1")
    parser.add_argument("--hole", action="append", default=[])
    parser.add_argument("--baud", type=int, default=0)
    args = parser.parse_args()
    holes = []
    for hole in args.hole:
        table, first, last = hole.split(":")
        holes.append((table, int(first), int(last)))
    Slave(args.mode, [int(u) for u in args.units.split(",")], holes, args.baud).run()


if __name__ == "__main__":
    main()
