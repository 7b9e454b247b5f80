<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>HelpTexts</name>
    <message numerus="yes">
        <source>Every %n seconds of game time the maximum possible score decreases by 1 point.</source>
        <extracomment>%n is the seconds of the game clock&apos;s period (12); each period costs 1 point.</extracomment>
        <translation>
            <numerusform>Every %n second of game time the maximum possible score decreases by 1 point.</numerusform>
            <numerusform>Every %n seconds of game time the maximum possible score decreases by 1 point.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>If you use the help buttons you will get a number in one of the  blank squares. A %n point penalty corresponds to a loss of %1 of time. </source>
        <extracomment>The &quot;help buttons&quot; are the buy buttons. %n is the points the first of them costs (5), %1 the time that stands for, &quot;1 minute&quot; as in its caption.</extracomment>
        <translation>
            <numerusform>If you use the help buttons you will get a number in one of the  blank squares. A %n point penalty corresponds to a loss of %1 of time. </numerusform>
            <numerusform>If you use the help buttons you will get a number in one of the  blank squares. A %n point penalty corresponds to a loss of %1 of time. </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <extracomment>The time a purchase stands for, in the help: &quot;1 minute&quot; in &quot;A 5 point penalty corresponds to a loss of 1 minute of time&quot;.</extracomment>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ui::GameWindow</name>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <extracomment>The time a buy button costs, in its caption: &quot;1 minute&quot; in &quot;1 minute (5 points)&quot;.</extracomment>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <extracomment>The points a buy button costs, in its caption: &quot;5 points&quot; in &quot;1 minute (5 points)&quot;.</extracomment>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
</context>
</TS>
