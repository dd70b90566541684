"""Loading and checking of the service description; the model every emitter reads.

Model API (all lists are in description order, ids are ints):

    model = load(path)              raises DescriptionError naming the entry at fault
    model.types                     every Type, sorted by id
    model.by_id[id] / model.by_name[name]
    model.notype                    sorted ids that stand for no type
    model.builtins                  Builtin: int, byte, string, _QName, std__string, double
    model.arrays                    Array (the 36 array classes)
    model.records                   Record (the 34 record classes)
    model.classes                   arrays + records, sorted by id (the 70 data classes)
    model.pointers                  Pointer: PointerTo<record>, PointerToPointerTo<record>,
                                    PointerTo<array>, PointerToint, PointerTostd__string; by id
    model.messages                  Message (182 records; request and response of each op)
                                    a request Message also has action, the SOAPAction's text
                                    after "#" (its operation's name with "-" as "_" unless
                                    the op entry gives action=<text>)
    model.envelopes                 Envelope: SOAP_ENV__* records and their pointer types
    model.services                  Service rows (prefix, name, uri or None)

Every Type has: id, name (the generator-style name used in SOAP_TYPE_<name> and in
soap_<action>_<name>), kind, cpp (the C++ type that holds a value), xml (the type text
passed with a value of the type, None for envelope types) and, but for envelope types,
default_tag (the element name of a top-level value written without a tag).

Member (of a Record or a Message): tag (element name), ident (C++ identifier),
kind ('int' | 'double' | 'string' | 'pointer') and, for pointers, target (the Array or
Record pointed to) and pointer (the Pointer type of the member).
"""

import re

KINDS = ("builtin", "array", "record", "pointer", "message", "envelope")
CPP_KEYWORDS = {"return", "class", "default", "delete", "new", "operator", "this"}


class DescriptionError(Exception):
    pass


class Type:
    def __init__(self, id, name, kind, cpp, xml):
        self.id, self.name, self.kind, self.cpp, self.xml = id, name, kind, cpp, xml

    def __repr__(self):
        return "%s %d %s" % (self.kind, self.id, self.name)


class Builtin(Type):
    def __init__(self, id, name, xml, default_tag, cpp):
        super().__init__(id, name, "builtin", cpp, xml)
        self.default_tag = default_tag


class Member:
    def __init__(self, tag, kind, target_name=None):
        self.tag = tag
        self.ident = identifier(tag)
        self.kind = kind
        self.target_name = target_name
        self.target = None
        self.pointer = None

    @property
    def cpp(self):
        return {"int": "int", "double": "double", "string": "std::string"}.get(self.kind) or (
            self.target.name + "*")

    @property
    def type_id_name(self):
        """Name of the member's type in SOAP_TYPE_<name> and soap_<action>_<name>."""
        return {"int": "int", "double": "double", "string": "std__string"}.get(self.kind) or (
            self.pointer.name)

    @property
    def xml(self):
        return {"int": "xsd:int", "double": "xsd:double", "string": "xsd:string"}.get(self.kind) or (
            self.target.xml)


class Record(Type):
    """A record class of the service: members in wire order."""

    def __init__(self, id, name, xml, array_name, members):
        super().__init__(id, name, "record", name, xml)
        self.default_tag = xml
        self.array_name = array_name
        self.members = members
        self.array = None

    @property
    def has_text(self):
        return any(m.kind == "string" for m in self.members)


class Array(Type):
    """An array class; item is the Builtin or Record its items hold (records by pointer)."""

    def __init__(self, id, name, item_name):
        super().__init__(id, name, "array", name, None)
        self.default_tag = "SOAP-ENC:Array"
        self.item_name = item_name
        self.item = None

    @property
    def item_cpp(self):
        return self.item.cpp if self.item.kind == "builtin" else self.item.name + "*"

    @property
    def item_xml(self):
        return self.item.xml


class Pointer(Type):
    """PointerTo<target>; target is a Record, an Array, a Builtin or (for PointerToPointerTo) a
    Pointer to a Record."""

    def __init__(self, id, target):
        super().__init__(id, "PointerTo" + target.name, "pointer", target.cpp + "*", target.xml)
        self.target = target
        self.default_tag = target.default_tag


class Message(Type):
    """The request or response record of one operation."""

    def __init__(self, id, service, operation, response, members):
        element = "%s:%s.%s%s" % (service.prefix, service.name, operation, "Response" if response else "")
        name = "%s__%s_x002e%s%s" % (service.prefix, service.name, operation.replace("-", "_"),
                                     "Response" if response else "")
        super().__init__(id, name, "message", name, element)
        self.default_tag = element
        self.service, self.operation, self.response, self.members = service, operation, response, members
        self.action = operation.replace("-", "_")

    @property
    def element(self):
        return self.xml

    @property
    def has_text(self):
        return any(m.kind == "string" for m in self.members)


class Envelope(Type):
    def __init__(self, id, name, pointer_to=None):
        super().__init__(id, name if pointer_to is None else "PointerTo" + name, "envelope",
                         name if pointer_to is None else name + "*", None)
        self.pointer_to = pointer_to


class Service:
    def __init__(self, prefix, name, uri):
        self.prefix, self.name, self.uri = prefix, name, uri


class Model:
    def __init__(self):
        self.services, self.builtins, self.arrays, self.records = [], [], [], []
        self.messages, self.envelopes, self.pointers = [], [], []
        self.notype = []
        self.by_id, self.by_name = {}, {}

    @property
    def classes(self):
        return sorted(self.arrays + self.records, key=lambda t: t.id)

    @property
    def types(self):
        return sorted(self.by_id.values(), key=lambda t: t.id)

    @property
    def allocatable(self):
        """Types with an allocator (and a release case): classes, std::string, messages,
        the SOAP-ENV records."""
        return [t for t in self.types if t.kind in ("array", "record", "message")
                or t.name == "std__string" or (t.kind == "envelope" and t.pointer_to is None)]

    @property
    def copyable(self):
        """Types with a copy routine: classes, std::string, messages that hold text."""
        return [t for t in self.types if t.kind in ("array", "record") or t.name == "std__string"
                or (t.kind == "message" and t.has_text)]


def identifier(tag):
    ident = tag.replace("-", "_")
    return ident + "_" if ident in CPP_KEYWORDS else ident


def load(path):
    """Load, link and check the description at path; returns a Model."""
    model = Model()
    for lineno, words in _entries(path):
        where = "%s:%d: %s" % (path, lineno, " ".join(words[:3]))
        try:
            _PARSERS[words[0]](model, words[1:])
        except KeyError as e:
            raise DescriptionError("%s: unknown entry or name %s" % (where, e)) from None
        except (ValueError, IndexError) as e:
            raise DescriptionError("%s: malformed entry (%s)" % (where, e)) from None
    _derive(model)
    _link(model)
    _check(model)
    return model


def _entries(path):
    entry, start = None, 0
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            text = line.split("#", 1)[0].rstrip()
            if not text:
                continue
            if text[0].isspace():
                if entry is None:
                    raise DescriptionError("%s:%d: continuation line without an entry" % (path, n))
                entry += text.split()
                continue
            if entry:
                yield start, entry
            entry, start = text.split(), n
    if entry:
        yield start, entry


def _members(words):
    members = []
    for word in words:
        tag, kind = word.split(":")
        if kind.endswith("*"):
            members.append(Member(tag, "pointer", kind[:-1]))
        elif kind in ("int", "double", "string"):
            members.append(Member(tag, kind))
        else:
            raise ValueError("member %r has no known type" % word)
    return members


def _options(words):
    opts = {}
    while words and "=" in words[0]:
        key, value = words.pop(0).split("=", 1)
        opts[key] = value
    return opts


def _add(model, t):
    if t.id in model.by_id:
        raise DescriptionError("type id %d of %s is already taken by %s" % (t.id, t.name, model.by_id[t.id].name))
    if t.name in model.by_name:
        raise DescriptionError("type name %s is defined twice" % t.name)
    model.by_id[t.id] = t
    model.by_name[t.name] = t
    return t


def _service(model, w):
    model.services.append(Service(w[0], w[1], None if w[2] == "-" else w[2]))


def _builtin(model, w):
    model.builtins.append(_add(model, Builtin(int(w[0]), w[1], w[2], w[3], w[4])))


def _array(model, w):
    model.arrays.append(_add(model, Array(int(w[0]), w[1], w[2])))


def _record(model, w):
    rest = list(w[2:])
    opts = _options(rest)
    name = w[1]
    record = Record(int(w[0]), name, opts.get("xml", name), opts.get("array", "ArrayOf" + name), _members(rest))
    model.records.append(_add(model, record))


def _pointer(model, w):
    model.pointers.append((int(w[0]), w[1]))  # resolved in _derive once every array exists


def _envelope(model, w):
    model.envelopes.append(_add(model, Envelope(int(w[0]), w[1])))


def _envptr(model, w):
    model.envelopes.append(_add(model, Envelope(int(w[0]), w[1], pointer_to=w[1])))


def _op(model, w):
    service = next((s for s in model.services if s.prefix == w[0]), None)
    if service is None:
        raise ValueError("no service with prefix %s" % w[0])
    arrow = w.index("=>")
    words = list(w[3:arrow])
    opts = _options(words)
    request = Message(int(w[2]), service, w[1], False, _members(words))
    request.action = opts.get("action", request.action)
    response = Message(int(w[arrow + 1]), service, w[1], True, _members(w[arrow + 2:]))
    model.messages += [_add(model, response), _add(model, request)]


def _notype(model, w):
    for word in w:
        low, _, high = word.partition("-")
        model.notype += range(int(low), int(high or low) + 1)


_PARSERS = {"service": _service, "builtin": _builtin, "array": _array, "record": _record,
            "pointer": _pointer, "envelope": _envelope, "envptr": _envptr, "op": _op, "notype": _notype}


def _derive(model):
    """Adds the types that the description gives by rule: record arrays and pointers."""
    for record in list(model.records):
        model.arrays.append(_add(model, Array(record.id + 1, record.array_name, record.name)))
    listed = model.pointers
    model.pointers = []
    for record in model.records:
        ptr = _add(model, Pointer(record.id + 84, record))
        model.pointers.append(ptr)
        model.pointers.append(_add(model, Pointer(record.id + 85, ptr)))
    for id, target_name in listed:
        target = model.by_name.get(target_name)
        if not isinstance(target, (Array, Builtin)):
            raise DescriptionError("pointer %d: %s is neither an array class nor a builtin" % (id, target_name))
        model.pointers.append(_add(model, Pointer(id, target)))
    model.arrays.sort(key=lambda t: t.id)
    model.pointers.sort(key=lambda t: t.id)
    model.messages.sort(key=lambda t: t.id)


def _link(model):
    for array in model.arrays:
        item = model.by_name.get(array.item_name)
        if not isinstance(item, (Builtin, Record)):
            raise DescriptionError("array %s: item type %s is neither a builtin nor a record"
                                   % (array.name, array.item_name))
        array.item = item
        if isinstance(item, Record):
            item.array = array
        array.xml = item.xml
    for ptr in model.pointers:
        ptr.xml = ptr.target.xml
    for owner in model.records + model.messages:
        for m in owner.members:
            if m.kind != "pointer":
                continue
            target = model.by_name.get(m.target_name)
            if not isinstance(target, (Array, Record)):
                raise DescriptionError("%s: member %s points to %s, which is no data class"
                                       % (owner.name, m.tag, m.target_name))
            m.target = target
            m.pointer = model.by_name.get("PointerTo" + target.name)
            if m.pointer is None:
                raise DescriptionError("%s: member %s needs the pointer type PointerTo%s, which has no id"
                                       % (owner.name, m.tag, target.name))


def _check(model):
    if len(set(model.notype)) != len(model.notype):
        raise DescriptionError("notype lists an id twice")
    for id in model.notype:
        if id in model.by_id:
            raise DescriptionError("notype lists id %d, which is %s" % (id, model.by_id[id].name))
    top = max(model.by_id)
    missing = sorted(set(range(top + 1)) - set(model.by_id) - set(model.notype))
    if missing:
        raise DescriptionError("ids without a type and not listed as notype: %s" % missing)
    for record in model.records:
        if record.id % 2:
            raise DescriptionError("record %s: record ids are even (its array takes id + 1)" % record.name)
        if not record.members:
            raise DescriptionError("record %s has no members" % record.name)
    by_op = {}
    for msg in model.messages:
        by_op.setdefault((msg.service.prefix, msg.operation), []).append(msg)
        if msg.response and len(msg.members) != 1:
            raise DescriptionError("%s: a response has exactly one member" % msg.name)
    for (prefix, op), (response, request) in ((k, sorted(v, key=lambda m: not m.response))
                                              for k, v in by_op.items()):
        if response.id > request.id:
            raise DescriptionError("%s:%s: the response id must be below the request id" % (prefix, op))
    for owner in model.records + model.messages:
        tags = [m.tag for m in owner.members]
        if len(set(tags)) != len(tags):
            raise DescriptionError("%s: a member name is used twice" % owner.name)
        for m in owner.members:
            if not re.fullmatch(r"[A-Za-z_][A-Za-z0-9_]*", m.ident):
                raise DescriptionError("%s: member %s has no identifier form" % (owner.name, m.tag))
