<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>EndLine</name>
    <message numerus="yes">
        <source>Passed with %n hints</source>
        <translation>
            <numerusform>Passed with %n hint</numerusform>
            <numerusform>Passed with %n hints</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PuzzleSession</name>
    <message numerus="yes">
        <source>%1 · %n hints</source>
        <translation>
            <numerusform>%1 · %n hint</numerusform>
            <numerusform>%1 · %n hints</numerusform>
        </translation>
    </message>
</context>
</TS>
