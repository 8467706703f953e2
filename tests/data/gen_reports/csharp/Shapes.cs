#define TRACE_ON
// What the generated files do not use: nested classes, structs, interfaces, enums, delegates,
// events with accessors, indexers, operators, attributes with targets, verbatim identifiers
// and strings, preprocessor lines.
using System;
using System.ComponentModel;
using Col = System.Collections;

[assembly: CLSCompliant(false)]

#region Types
namespace Fixtures.Readers
{
    public delegate void ChangeHandler(object sender, int code);

    public enum Shade : byte
    {
        Light = 1,
        [Description("dark")] Dark,
        Darker = Dark + 1,
    }

    public interface IShape
    {
        double Area();
        string Name { get; }
        int this[int index] { get; set; }
        event ChangeHandler Changed;
    }

    public struct Point
    {
        public int X, Y;
        public Point(int x, int y) { X = x; Y = y; }
        public static Point operator +(Point a, Point b) { return new Point(a.X + b.X, a.Y + b.Y); }
        public override string ToString() { return X + "," + Y; }
    }

    [Serializable]
    public partial class Shape : IShape, IDisposable
    {
        private ChangeHandler m_changed;
        [field: NonSerialized] public event EventHandler Moved;
        private double[] m_sides = new double[] { 1.5, 2e1, .5m == 0 ? 1 : 2 };
        private const string Path = @"C:\shapes\""one""";
        private static readonly char Quote = '\'';

        public Shape() : this(3) { }
        public Shape(int sides)
        {
            int @class = sides;
            m_sides = new double[@class];
            if (Moved != null)
                Moved(this, EventArgs.Empty);
        }
        ~Shape() { }

        public event ChangeHandler Changed
        {
            add { m_changed += value; }
            remove { m_changed -= value; }
        }

        public string Name { get { return "shape"; } }

        public int this[int index]
        {
            get { return (int)m_sides[index]; }
            set { m_sides[index] = value; if (m_changed != null) m_changed(this, index); }
        }

        [method: Description("area")]
        [return: Description("square units")]
        public virtual double Area()
        {
#if TRACE_ON
            Console.WriteLine("{ area");
#endif
            double sum = 0; // }
            foreach (double side in m_sides) { sum += side; }
            return sum;
        }

        public static explicit operator int(Shape shape) { return shape.m_sides.Length; }
        public static bool operator ==(Shape a, Shape b) { return Equals(a, b); }
        public static bool operator !=(Shape a, Shape b) { return !Equals(a, b); }
        public override bool Equals(object other) { return base.Equals(other); }
        public override int GetHashCode() { return 0; }

        void IDisposable.Dispose() { }

        public Col.ArrayList Scale([param: Description("factor")] double factor, ref int count,
                                   out string note, params int[] more)
        {
            note = Path + Quote + factor;
            count++;
            return new Col.ArrayList(more);
        }

        public class Corner
        {
            public int Angle(Point at) { return at.X; }
        }

        public void AfterCorner() { }
    }
}
#endregion
