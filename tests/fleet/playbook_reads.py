#!/usr/bin/python3
"""What the fleet playbook reads of quorvane-check's report, looked up in the report's schema.

    playbook_reads.py PLAYBOOK

The playbook keeps each host's report as a fact: the one set_fact whose value goes through from_json. Every
template of the playbook is parsed, and each member read of that fact is followed, through what it is bound
to (`set`, a loop's variable) and what filters take (`map(attribute=...)`, `selectattr`), to its place in
the schema. Prints each member read, by its place in the report; exit status 1 when one is not in the
schema there, or when the playbook reads nothing of the report at all (the check would have seen nothing).
"""
import sys
from pathlib import Path

import jinja2
import yaml
from jinja2 import nodes

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "support"))
import check_json  # noqa: E402 (the tests' own module, found beside them)

# Ansible's conditions are bare expressions, without the braces.
CONDITIONS = {"when", "failed_when", "changed_when", "until"}


def templates(value, key=None):
    """Every template of a loaded playbook: the text of each string that holds one, each condition braced."""
    if isinstance(value, dict):
        for k, v in value.items():
            yield from templates(v, k)
    elif isinstance(value, list):
        for v in value:
            yield from templates(v, key)
    elif isinstance(value, str):
        if key in CONDITIONS:
            yield "{{ " + value + " }}"
        elif "{{" in value or "{%" in value:
            yield value


def report_fact(playbook, environment):
    """The name of the fact that holds the report: set from a template that applies from_json."""
    found = set()

    def look(value):
        if isinstance(value, dict):
            for k, v in value.items():
                if k in ("set_fact", "ansible.builtin.set_fact") and isinstance(v, dict):
                    for name, text in v.items():
                        if isinstance(text, str) and any(
                            f.name == "from_json" for f in environment.parse(text).find_all(nodes.Filter)
                        ):
                            found.add(name)
                look(v)
        elif isinstance(value, list):
            for v in value:
                look(v)

    look(playbook)
    if len(found) != 1:
        sys.exit(f"the playbook keeps the report in {len(found)} facts ({', '.join(sorted(found))}), not one")
    return found.pop()


class Place:
    """A place in the report: the schema there, and the path to it (`libraries[].classes[].reason`)."""

    def __init__(self, schema, path):
        self.schema, self.path = schema, path


class Reads:
    def __init__(self, root, fact):
        self.root, self.fact = root, fact
        self.read, self.faults = set(), set()

    def resolved(self, schema):
        """The schema with its reference followed: its members and items, wherever they are written."""
        members, items = {}, schema.get("items")
        if "$ref" in schema:
            target = self.root
            for step in schema["$ref"].removeprefix("#/").split("/"):
                target = target[step]
            members, items = self.resolved(target)[0], items or self.resolved(target)[1]
        members = dict(members, **schema.get("properties", {}))
        for branch in schema.get("allOf", []):
            members.update(self.resolved(branch)[0])
        return members, items

    def member(self, place, name):
        if place is None:
            return None
        members, _ = self.resolved(place.schema)
        path = f"{place.path}.{name}" if place.path else name
        if name in members:
            self.read.add(path)
            return Place(members[name], path)
        if members:  # an object of the report without that member; anything else is a method or a test
            self.faults.add(f"{path}: the report has no such member")
        return None

    def item(self, place):
        if place is None:
            return None
        _, items = self.resolved(place.schema)
        return Place(items, place.path + "[]") if items is not None else None

    def evaluate(self, node, scope):
        """The place in the report an expression stands for, or None; every read inside it is followed."""
        if isinstance(node, nodes.Name):
            return self.root_place() if node.name == self.fact else scope.get(node.name)
        if isinstance(node, nodes.Getattr):
            base = self.evaluate(node.node, scope)
            return self.root_place() if node.attr == self.fact else self.member(base, node.attr)
        if isinstance(node, nodes.Getitem):
            base = self.evaluate(node.node, scope)
            self.evaluate(node.arg, scope)
            if isinstance(node.arg, nodes.Const) and isinstance(node.arg.value, str):
                return self.root_place() if node.arg.value == self.fact else self.member(base, node.arg.value)
            return self.item(base) if isinstance(node.arg, nodes.Const) else None
        if isinstance(node, nodes.Filter):
            base = self.evaluate(node.node, scope) if node.node is not None else None
            for child in list(node.args) + [k.value for k in node.kwargs]:
                self.evaluate(child, scope)
            if node.name in ("default", "d", "list", "sort", "unique", "reverse"):
                return base
            attribute = next((k.value for k in node.kwargs if k.key == "attribute"), None)
            if node.name in ("selectattr", "rejectattr", "sum", "max", "min", "groupby") and node.args:
                attribute = attribute or node.args[0]
            if isinstance(attribute, nodes.Const):
                element = self.member(self.item(base), attribute.value)
                if node.name == "map" and element is not None:
                    return Place({"type": "array", "items": element.schema}, element.path)
                return base if node.name in ("selectattr", "rejectattr") else None
            return None
        for child in node.iter_child_nodes():
            self.evaluate(child, scope)
        return None

    def run(self, body, scope):
        for statement in body:
            if isinstance(statement, nodes.Assign) and isinstance(statement.target, nodes.Name):
                scope[statement.target.name] = self.evaluate(statement.node, scope)
            elif isinstance(statement, nodes.For):
                inner = dict(scope)
                element = self.item(self.evaluate(statement.iter, scope))
                if isinstance(statement.target, nodes.Name):
                    inner[statement.target.name] = element
                if statement.test is not None:
                    self.evaluate(statement.test, inner)
                self.run(statement.body, inner)
                self.run(statement.else_, dict(scope))
            elif isinstance(statement, nodes.If):
                self.evaluate(statement.test, scope)
                self.run(statement.body, dict(scope))
                self.run(statement.elif_, dict(scope))
                self.run(statement.else_, dict(scope))
            else:
                for child in statement.iter_child_nodes():
                    if isinstance(child, nodes.Stmt):
                        self.run([child], scope)
                    else:
                        self.evaluate(child, scope)

    def root_place(self):
        return Place(self.root, "")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], encoding="utf-8") as f:
        playbook = yaml.safe_load(f)
    environment = jinja2.Environment()
    reads = Reads(check_json.schema(), report_fact(playbook, environment))
    for text in templates(playbook):
        reads.run(environment.parse(text).body, {})
    for path in sorted(reads.read):
        print(f"reads {path}")
    for fault in sorted(reads.faults):
        print(f"{sys.argv[1]}: {fault}", file=sys.stderr)
    if not reads.read:
        print(f"{sys.argv[1]}: reads nothing of the report kept in {reads.fact}", file=sys.stderr)
    return 1 if reads.faults or not reads.read else 0


if __name__ == "__main__":
    sys.exit(main())
