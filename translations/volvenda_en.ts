<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Picture</name>
    <message numerus="yes">
        <source>%1 %n curves: %2.</source>
        <extracomment>%1 says whether there is a grey circle; %2 is the curves, each as said above.</extracomment>
        <translation>
            <numerusform>%1 %n curve: %2.</numerusform>
            <numerusform>%1 %n curves: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Renderer</name>
    <message numerus="yes">
        <source>%n times</source>
        <extracomment>How often --color is given: once, twice, 3 times.</extracomment>
        <translation>
            <numerusform>once</numerusform>
            <numerusform>%n times</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n runs</source>
        <translation>
            <numerusform>%n run</numerusform>
            <numerusform>%n runs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message numerus="yes">
        <source>%n items: %1</source>
        <extracomment>What a menu holds: %1 is its items&apos; names, each after the list&apos;s separator.</extracomment>
        <translation>
            <numerusform>%n item: %1</numerusform>
            <numerusform>%n items: %1</numerusform>
        </translation>
    </message>
</context>
</TS>
